// The units-and-buildings form: kind-dependent editing and writing, the
// defaults, the prerequisite boxes and the protocol shared by every form
// (Reset, Cancel, closing by the frame, a failed write).
#include <sys/resource.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <csignal>

#include "EditorFixture.h"

namespace quillan::editor::test {
namespace {

const std::string kRules = crlf({
    "; test rules",
    "[General]",
    "Speed=1",
    "[2TNK]",
    "Image=2TNK",
    "Prerequisite=weap",
    "Primary=90mm",
    "Strength=400",
    "Armor=heavy",
    "TechLevel=6",
    "Sight=5",
    "Speed=8",
    "Tracked=Yes",
    "Cost=800",
    "Points=40",
    "Unknown=dropped by OK",
    "[E1]",
    "Primary=M1Carbine",
    "Speed=4",
    "Tracked=yes",
    "Cost=",
    "[WEAP]",
    "Prerequisite=dome,proc,gap",
    "Strength=1000",
    "Power=-30",
    "Adjacent=",
    "[ChainGun]",
    "Damage=40",
});

class UnitsForm : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    openRules(kRules);
  }
};

TEST_F(UnitsForm, VehicleChangesAreWrittenInTableOrder) {
  SectionForm& form = show("2TNK");
  EXPECT_EQ(form.windowTitle(), "Medium Tank");
  EXPECT_EQ(pairShown(form, "Tracked"), "yes");
  setFieldText(form, "Cost", "850");
  setFieldText(form, "Secondary", "none");  // the default: not written
  setFieldText(form, "Primary", "MammothTusk");
  choosePair(form, "Crushable", true);
  tickPrerequisite(form, "fact", true);
  click(form, "OK");

  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(window_->isEnabled());
  EXPECT_TRUE(window_->isModified());
  EXPECT_EQ(workingSection("2TNK"),
            "Image=2TNK\nArmor=heavy\nCost=850\nPoints=40\nPrerequisite=fact,weap\n"
            "Primary=MammothTusk\nSight=5\nStrength=400\nTechLevel=6\nSpeed=8\nCrushable=yes\n"
            "Tracked=yes");
  // Other sections stay as they were.
  EXPECT_EQ(workingSection("General"), "Speed=1");
}

TEST_F(UnitsForm, KindDecidesWhatIsEditableAndWritten) {
  struct Case {
    std::string_view section;
    std::vector<std::string_view> editable, locked;
  };
  const Case cases[] = {
      {"E1", {"Speed", "C4", "IsCanine", "Ammo"}, {"Passengers", "Tracked", "Power", "BaseNormal", "Invisible"}},
      {"2TNK", {"Speed", "Passengers", "Tracked"}, {"C4", "Power", "Adjacent", "Invisible"}},
      {"WEAP", {"Power", "Adjacent", "BaseNormal", "Strength"}, {"Speed", "C4", "Tracked", "Invisible"}},
      // A vehicle after a building: the building controls are locked again.
      {"2TNK", {"Passengers"}, {"Power", "Storage", "Repairable"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section));
    SectionForm& form = show(c.section);
    for (auto key : c.editable) EXPECT_TRUE(isEditable(form, key)) << key;
    for (auto key : c.locked) EXPECT_FALSE(isEditable(form, key)) << key;
    click(form, "Cancel");
  }
}

TEST_F(UnitsForm, InfantryShowsButDropsVehicleKeys) {
  SectionForm& form = show("E1");
  EXPECT_EQ(pairShown(form, "Tracked"), "yes");  // shown, locked
  EXPECT_EQ(fieldText(form, "Cost"), "0");       // empty value: default
  click(form, "OK");
  EXPECT_EQ(workingSection("E1"), "Image=\nPrimary=M1Carbine\nSpeed=4");
}

TEST_F(UnitsForm, DefaultsAreShownAndNotWrittenBack) {
  SectionForm& form = show("WEAP");
  const std::pair<std::string_view, const char*> shown[] = {
      {"Ammo", "-1"},
      {"Armor", "none"},
      {"GuardRange", "use weapon range"},
      {"Owner", "allies,soviet"},
      {"TechLevel", "-1"},
      {"Primary", "none"},
      {"Secondary", "none"},
      {"Sight", "1"},
      {"Adjacent", "1"},
  };
  for (auto [key, text] : shown) EXPECT_EQ(fieldText(form, key), text) << key;
  EXPECT_EQ(pairShown(form, "BaseNormal"), "yes");
  EXPECT_EQ(pairShown(form, "Repairable"), "yes");
  EXPECT_EQ(pairShown(form, "Bib"), "no");
  // The prerequisites in box order; "gap" has no box and is kept.
  EXPECT_TRUE(prerequisiteTicked(form, "dome"));
  EXPECT_TRUE(prerequisiteTicked(form, "proc"));
  EXPECT_TRUE(form.findChild<QLabel*>("Prerequisite.others")->text().contains("gap"));
  click(form, "OK");
  EXPECT_EQ(workingSection("WEAP"), "Image=\nPrerequisite=proc,dome,gap\nStrength=1000\nPower=-30");
}

TEST_F(UnitsForm, TextThatDiffersOnlyInCaseIsWritten) {
  SectionForm& form = show("WEAP");
  setFieldText(form, "Armor", "None");
  setFieldText(form, "GuardRange", "use weapon range");
  choosePair(form, "Repairable", false);
  choosePair(form, "BaseNormal", false);
  tickPrerequisite(form, "dome", false);
  tickPrerequisite(form, "proc", false);
  click(form, "OK");
  EXPECT_EQ(workingSection("WEAP"),
            "Image=\nArmor=None\nPrerequisite=gap\nStrength=1000\nBaseNormal=no\nPower=-30\n"
            "Repairable=no");
}

TEST_F(UnitsForm, ResetReturnsTheSnapshotNotTheFile) {
  SectionForm& form = show("2TNK");
  setFieldText(form, "Cost", "1");
  choosePair(form, "Tracked", false);
  tickPrerequisite(form, "weap", false);
  // Someone else changes the file meanwhile: Reset still shows the values
  // the form was shown with.
  writeFile(workingCopyPath(), crlf({"[2TNK]", "Cost=5"}));
  click(form, "Reset");
  EXPECT_EQ(fieldText(form, "Cost"), "800");
  EXPECT_EQ(pairShown(form, "Tracked"), "yes");
  EXPECT_TRUE(prerequisiteTicked(form, "weap"));
  click(form, "Cancel");
}

TEST_F(UnitsForm, CancelAndTheFrameWriteNothing) {
  for (bool byFrame : {false, true}) {
    SCOPED_TRACE(byFrame ? "frame" : "Cancel");
    const std::string before = readFile(workingCopyPath());
    SectionForm& form = show("2TNK");
    EXPECT_FALSE(window_->isEnabled());
    setFieldText(form, "Cost", "1");
    if (byFrame) {
      form.close();
    } else {
      click(form, "Cancel");
    }
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(window_->isModified());
    EXPECT_EQ(readFile(workingCopyPath()), before);
  }
  // The form still opens afterwards and shows the file's values.
  SectionForm& again = show("2TNK");
  EXPECT_EQ(fieldText(again, "Cost"), "800");
  click(again, "Cancel");
}

TEST_F(UnitsForm, LineBreaksInATypedValueStayInOneLine) {
  SectionForm& form = show("2TNK");
  setFieldText(form, "Primary", "90mm\r\n[Evil]\r\nCost=1");
  click(form, "OK");
  EXPECT_EQ(sectionText(workingCopyPath(), "Evil"), "");
  EXPECT_NE(workingSection("2TNK").find("Primary=90mm  [Evil]  Cost=1"), std::string::npos);
}

// Makes every file write beyond a few bytes fail, as a full disk would, for
// as long as it lives; root ignores permissions but not this limit.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

TEST_F(UnitsForm, AFailedWriteLeavesTheWorkingCopyAsItWas) {
  const std::string before = readFile(workingCopyPath());
  SectionForm& form = show("2TNK");
  setFieldText(form, "Cost", "1");
  {
    FileSizeLimit full(16);
    click(form, "OK");
  }
  ASSERT_EQ(prompts_.errors.size(), 1);
  EXPECT_EQ(prompts_.errors.front(), "Unable to write to " + workingCopyPath());
  EXPECT_EQ(readFile(workingCopyPath()), before);
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(window_->isEnabled());
  EXPECT_FALSE(window_->isModified());

  click(form, "OK");  // the disk has room again
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(window_->isModified());
  EXPECT_NE(workingSection("2TNK").find("Cost=1"), std::string::npos);
}

TEST_F(UnitsForm, SectionsAreFoundWithoutRegardToCase) {
  SectionForm& form = show("Chaingun");  // the file says [ChainGun]
  EXPECT_EQ(fieldText(form, "Damage"), "40");
  click(form, "Cancel");
  SectionForm& missing = show("4TNK");  // not in the file: defaults, OK creates it
  EXPECT_EQ(fieldText(missing, "Strength"), "0");
  click(missing, "OK");
  EXPECT_EQ(workingSection("4TNK"), "Image=");
}

}  // namespace
}  // namespace quillan::editor::test
