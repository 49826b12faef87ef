// The weapon, projectile, difficulty, multiplayer and IQ forms: each loads a
// fixture section, is changed and written, and the section text compared.
#include "EditorFixture.h"

namespace quillan::editor::test {
namespace {

const std::string kRules = crlf({
    "[90mm]",
    "Damage=30",
    "ROF=50",
    "Range=4.75",
    "Speed=40",
    "Warhead=AP",
    "Report=cannon1",
    "[Colt45]",
    "Projectile=Invisible",
    "[Cannon]",
    "Image=120MM",
    "AG=no",
    "High=yes",
    "Frames=",
    "[Frog]",
    "ROT=0",
    "Frames=1",
    "Shadow=No",
    "[Easy]",
    "Cost=1.0",
    "Airspeed=1.2",
    "RepairDelay=.02",
    "[Normal]",
    "Cost=1.0",
    "[MultiplayerDefaults]",
    "MaxMoney=20000",
    "Crates=yes",
    "Bases=no",
    "OreGrows=YES",
    "[IQ]",
    "MaxIQLevels=5  ; highest level",
    "Production=2;builds",
    "GuardArea=1",
});

class SettingsForms : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    openRules(kRules);
  }
};

TEST_F(SettingsForms, WeaponWritesItsFieldsAlwaysAndCarriesAnimAndReport) {
  SectionForm& form = show("90mm");
  EXPECT_EQ(fieldText(form, "Burst"), "1");
  EXPECT_EQ(fieldText(form, "Projectile"), "None");
  setFieldText(form, "Damage", "");
  setFieldText(form, "Projectile", "FROG");
  choosePair(form, "TurboBoost", true);
  click(form, "OK");
  EXPECT_EQ(workingSection("90mm"),
            "Anim=\nReport=cannon1\nBurst=1\nDamage=\nProjectile=FROG\nROF=50\nRange=4.75\n"
            "Speed=40\nWarhead=AP\nTurboBoost=yes");

  SectionForm& colt = show("Colt45");
  setFieldText(colt, "Projectile", "None");
  click(colt, "OK");
  EXPECT_EQ(workingSection("Colt45"), "Anim=\nReport=\nBurst=1\nDamage=0\nROF=0\nRange=0\nSpeed=0");
}

TEST_F(SettingsForms, ProjectileWritesOnlyDeparturesFromDefaults) {
  SectionForm& form = show("Cannon");
  EXPECT_EQ(pairShown(form, "AG"), "no");
  EXPECT_EQ(pairShown(form, "Shadow"), "yes");
  EXPECT_EQ(fieldText(form, "Frames"), "1");
  choosePair(form, "AA", true);
  setFieldText(form, "Arm", "3");
  click(form, "OK");
  EXPECT_EQ(workingSection("Cannon"), "Image=120MM\nAA=yes\nAG=no\nHigh=yes\nArm=3");

  SectionForm& frog = show("Frog");
  click(frog, "OK");
  EXPECT_EQ(workingSection("Frog"), "Image=\nShadow=no");
}

TEST_F(SettingsForms, DifficultyComparesDefaultsAsText) {
  SectionForm& normal = show("Normal");
  EXPECT_EQ(normal.windowTitle(), "Level Normal");
  click(normal, "OK");
  // Everything at its default: the section is gone.
  EXPECT_EQ(workingSection("Normal"), "");

  SectionForm& easy = show("Easy");
  EXPECT_EQ(fieldText(easy, "Repairdelay"), ".02");
  EXPECT_EQ(pairShown(easy, "Destroywalls"), "yes");
  setFieldText(easy, "Cost", "1");
  choosePair(easy, "Destroywalls", false);
  click(easy, "OK");
  EXPECT_EQ(workingSection("Easy"), "Airspeed=1.2\nCost=1\nRepairdelay=.02\nDestroywalls=no");

  // A key absent from the next level shows its default, not Easy's value.
  SectionForm& again = show("Difficult");
  EXPECT_EQ(fieldText(again, "Airspeed"), "1.0");
  EXPECT_EQ(pairShown(again, "Destroywalls"), "yes");
  click(again, "Cancel");
}

TEST_F(SettingsForms, MultiplayerPairsAreAlwaysWrittenWhenShown) {
  SectionForm& form = show("MultiplayerDefaults");
  EXPECT_EQ(form.windowTitle(), "Multi Player Defaults");
  EXPECT_EQ(pairShown(form, "Crates"), "yes");
  EXPECT_EQ(pairShown(form, "Bases"), "no");
  EXPECT_EQ(pairShown(form, "OreGrows"), "yes");
  EXPECT_EQ(pairShown(form, "AIPlayers"), "");  // absent: nothing chosen
  choosePair(form, "ShadowGrow", false);
  click(form, "OK");
  EXPECT_EQ(workingSection("MultiplayerDefaults"),
            "Money=\nMaxMoney=20000\nShadowGrow=no\nBases=no\nOreGrows=yes\nCrates=yes");
}

TEST_F(SettingsForms, IQKeepsEachCommentInItsHint) {
  SectionForm& form = show("IQ");
  EXPECT_EQ(fieldText(form, "MaxIQLevels"), "5");
  EXPECT_EQ(form.findChild<QWidget*>("MaxIQLevels")->toolTip(), " highest level");
  EXPECT_EQ(fieldText(form, "Scatter"), "0");
  setFieldText(form, "Production", "4");
  click(form, "OK");
  EXPECT_EQ(workingSection("IQ"),
            "MaxIQLevels=5    ; highest level\nSuperWeapons=0    ;\nProduction=4    ;builds\n"
            "GuardArea=1    ;\nRepairSell=0    ;\nAutoCrush=0    ;\nScatter=0    ;\n"
            "ContentScan=0    ;\nAircraft=0    ;\nHarvester=0    ;\nSellBack=0    ;");

  // The hint outlives the key: an absent key writes the comment last shown.
  writeFile(workingCopyPath(), crlf({"[IQ]", "Scatter=1"}));
  SectionForm& again = show("IQ");
  EXPECT_EQ(fieldText(again, "MaxIQLevels"), "0");
  click(again, "OK");
  EXPECT_NE(workingSection("IQ").find("MaxIQLevels=0    ; highest level"), std::string::npos);
}

}  // namespace
}  // namespace quillan::editor::test
