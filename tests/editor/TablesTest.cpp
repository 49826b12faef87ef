// The tables are the forms: every row must have a place on screen and a
// control that loads and writes its key, and the catalogue must open the
// right form on the right section.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

#include "EditorFixture.h"
#include "editor/BindingRules.h"
#include "editor/Catalogue.h"
#include "editor/FormBinder.h"

namespace quillan::editor::test {
namespace {

TEST(FormTables, EveryRowHasOnePlaceOnScreen) {
  for (FormId id : kAllForms) {
    const FormTable& table = formTable(id);
    SCOPED_TRACE(std::string(table.className));
    std::map<std::string_view, int> placed;
    for (const ScreenBlock& block : table.screen) {
      for (std::string_view key : block.keys) ++placed[key];
    }
    std::set<std::string> keys;
    for (const KeyRow& row : table.rows) {
      EXPECT_TRUE(keys.insert(std::string(row.key)).second) << "duplicate " << row.key;
      EXPECT_EQ(placed[row.key], 1) << row.key;
      EXPECT_TRUE(equalsIgnoringCase(row.key, row.nameToRead())) << row.key;
      if (row.binding == Binding::Pair) {
        EXPECT_TRUE(row.defaultValue == kYes || row.defaultValue == kNo) << row.key;
      }
      if (!row.list.empty()) {
        EXPECT_EQ(row.binding, Binding::DefaultedField) << row.key;
      }
    }
    EXPECT_EQ(placed.size(), table.rows.size()) << "screen names a key that has no row";
    for (std::string_view carried : table.carriedKeys) EXPECT_FALSE(keys.count(std::string(carried)));
  }
}

TEST(Catalogue, HoldsEveryObjectOnce) {
  std::map<FormId, int> perForm;
  std::map<int, int> perKind;
  std::set<std::string> sections;
  for (const CatalogueRow& row : catalogueEntries()) {
    if (!row.opensForm()) continue;
    ++perForm[row.form];
    if (row.form == FormId::AllUnits) {
      ++perKind[row.kind];
    } else {
      EXPECT_EQ(row.kind, -1) << row.section;
    }
    std::string folded;
    for (char c : row.section) folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(sections.insert(folded).second) << row.section;
  }
  EXPECT_EQ(sections.size(), 124u);
  EXPECT_EQ(perForm[FormId::AllUnits], 68);
  EXPECT_EQ(perKind[kInfantry], 13);
  EXPECT_EQ(perKind[kVehicle], 26);
  EXPECT_EQ(perKind[kBuilding], 29);
  EXPECT_EQ(perForm[FormId::Weapon], 33);
  EXPECT_EQ(perForm[FormId::ProjectileStat], 18);
  EXPECT_EQ(perForm[FormId::Difficulty], 3);
  EXPECT_EQ(perForm[FormId::MultieDefaults], 1);
  EXPECT_EQ(perForm[FormId::IQSettings], 1);
}

QStringList captions(const QList<QAction*>& actions) {
  QStringList out;
  for (const QAction* a : actions) {
    if (!a->isSeparator()) out << a->text();
  }
  return out;
}

QMenu* submenu(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* a : actions) {
    if (a->text() == caption) return a->menu();
  }
  ADD_FAILURE() << "no menu " << caption.toStdString();
  return nullptr;
}

using MenuTest = EditorFixture;

TEST_F(MenuTest, MenusStandInOrderAndWaitForAFile) {
  const QList<QAction*> bar = window_->menuBar()->actions();
  EXPECT_EQ(captions(bar),
            QStringList({"&File", "&General", "&Difficulty", "&Units", "&Structures", "&Other", "&About"}));
  for (const QAction* a : bar) {
    const bool alwaysOn = a->text() == "&File" || a->text() == "&About";
    EXPECT_EQ(a->isEnabled(), alwaysOn) << a->text().toStdString();
  }
  EXPECT_EQ(captions(submenu(bar, "&File")->actions()),
            QStringList({"&Open...", "&Save", "Save &As...", "Close", "E&xit"}));

  QMenu* units = submenu(bar, "&Units");
  EXPECT_EQ(captions(units->actions()), QStringList({"Infantry", "Ground ", "Ships", "AirCrafts"}));
  EXPECT_EQ(
      captions(submenu(units->actions(), "Infantry")->actions()),
      QStringList({"Attack Dog", "Rifle Soldier", "Grenadier", "Rocket Soldier", "Flamethrower", "Engineer", "Spy",
                   "Thief", "Tanya", "Field Medic", "Field Marshal", "Civilians", "Corvalen", "Special Agent"}));
  EXPECT_EQ(captions(submenu(units->actions(), "Ground ")->actions()),
            QStringList(
                {"V2 Launcher", "Tanks", "Mobile Units", "Ore Truck", "Ranger", "APC", "Mine Layer", "Convoy Truck"}));

  QMenu* general = submenu(bar, "&General");
  EXPECT_EQ(captions(general->actions()),
            QStringList({"General Options", "Theme Controls", "Multiplayer Defaults", "Weapon Recharge",
                         "Object Maximums", "AI Controls", "IQ Settings", "Country Stat"}));
  std::map<QString, bool> enabled;
  for (const QAction* a : general->actions()) enabled[a->text()] = a->isEnabled();
  EXPECT_FALSE(enabled["General Options"]);
  EXPECT_FALSE(enabled["Theme Controls"]);
  EXPECT_TRUE(enabled["Multiplayer Defaults"]);
  EXPECT_TRUE(enabled["IQ Settings"]);

  QMenu* structures = submenu(bar, "&Structures");
  EXPECT_EQ(captions(structures->actions()), QStringList({"Buildings", "Defence Buildings", "Training Facilities"}));
  EXPECT_TRUE(captions(submenu(structures->actions(), "Buildings")->actions()).contains("Sovjet Tech Center"));
  EXPECT_EQ(captions(submenu(structures->actions(), "Training Facilities")->actions()).front(), "Soviet Barraks");
  EXPECT_EQ(captions(submenu(bar, "&Other")->actions()),
            QStringList({"Weapons", "Projectiles", "Walls/Fences", "Mines", "Fake Buildings", "Civilian Structures",
                         "Warheads"}));
}

// Every menu entry without a form, and every submenu of nothing but such
// entries, as the menus stand once a file is open.
std::vector<QAction*> placeholders(QMenuBar& bar) {
  std::vector<QAction*> out;
  std::vector<QMenu*> pending;
  for (QAction* a : bar.actions()) {
    if (a->menu()) pending.push_back(a->menu());
  }
  while (!pending.empty()) {
    QMenu* menu = pending.back();
    pending.pop_back();
    for (QAction* a : menu->actions()) {
      if (a->menu()) pending.push_back(a->menu());
      if (!a->isSeparator() && !a->isEnabled()) out.push_back(a);
    }
  }
  return out;
}

TEST_F(MenuTest, PlaceholdersStayDisabledWhateverFormIsShown) {
  openRules(crlf({"[E1]", "Cost=1"}));
  const std::vector<QAction*> greyed = placeholders(*window_->menuBar());
  std::set<QString> submenus;
  for (const QAction* a : greyed) {
    if (a->menu()) submenus.insert(a->text());
  }
  EXPECT_EQ(submenus, (std::set<QString>{"General Options", "Walls/Fences", "Mines", "Fake Buildings"}));
  EXPECT_EQ(greyed.size(), 37u);  // 33 entries and the 4 submenus

  // One entry of each form and object kind, left by Cancel and by OK.
  for (const char* section : {"E1", "2TNK", "WEAP", "90mm", "Cannon", "Easy", "MultiplayerDefaults", "IQ"}) {
    for (const char* button : {"Cancel", "OK"}) {
      SCOPED_TRACE(std::string(section) + " " + button);
      SectionForm& form = show(section);
      click(form, button);
      for (QAction* a : greyed) {
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
        if (a->menu()) {
          EXPECT_FALSE(a->menu()->isEnabled()) << a->text().toStdString();
        }
      }
    }
  }
  // Closing and opening the file again brings back the same menus.
  prompts_.confirmAnswers = {UserPrompts::Answer::No};
  window_->findChild<QAction*>("FileClose")->trigger();
  openRules(crlf({"[E1]", "Cost=1"}));
  EXPECT_EQ(placeholders(*window_->menuBar()), greyed);
}

// Gives every row a stored value that differs from its default, shows the
// form, presses OK and expects exactly those keys back, in table order.
struct RowProbe {
  std::string stored;
  std::string written;
};

RowProbe probe(const KeyRow& row, std::size_t index) {
  switch (row.binding) {
    case Binding::DefaultedField:
    case Binding::AlwaysField:
    case Binding::PlainField: {
      const std::string v = row.list.empty() ? "v" + std::to_string(index) : std::string(row.list[1]);
      return {v, v};
    }
    case Binding::Pair: {
      const std::string other(row.defaultValue == kYes ? kNo : kYes);
      return {other, other};
    }
    case Binding::ForcedPair:
      return {"no", "no"};
    case Binding::CommentField:
      return {std::to_string(index) + "  ; note " + std::to_string(index),
              std::to_string(index) + "    ; note " + std::to_string(index)};
    case Binding::Prerequisites:
      return {"powr,fact", "fact,powr"};
  }
  return {};
}

class EveryRowTest : public EditorFixture, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(EveryRowTest, ControlExistsShowsItsHintAndRoundTrips) {
  const std::string_view section = GetParam();
  const CatalogueRow* entry = nullptr;
  for (const CatalogueRow& row : catalogueEntries()) {
    if (row.section == section) entry = &row;
  }
  ASSERT_NE(entry, nullptr);
  const FormTable& table = formTable(entry->form);

  std::vector<std::string> lines = {"[" + std::string(section) + "]"};
  std::string expected;
  for (std::string_view carried : table.carriedKeys) {
    lines.push_back(std::string(carried) + "=kept");
    expected += std::string(carried) + "=kept\n";
  }
  const unsigned edited = table.usesObjectKind ? rowsOfKind(entry->kind) : kCommonRows;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const KeyRow& row = table.rows[i];
    const RowProbe p = probe(row, i);
    lines.push_back(std::string(row.nameToRead()) + "=" + p.stored);
    if (row.kinds & edited) expected += std::string(row.key) + "=" + p.written + "\n";
  }
  std::string rules;
  for (const auto& line : lines) rules += line + "\r\n";
  openRules(rules);

  SectionForm& form = show(section);
  for (const KeyRow& row : table.rows) {
    SCOPED_TRACE(std::string(row.key));
    QWidget* control = form.findChild<QWidget*>(tableText(row.key));
    ASSERT_NE(control, nullptr);
    if (row.binding != Binding::CommentField) {
      EXPECT_EQ(control->toolTip(), tableText(row.hint));
    }
    if (auto* label = form.findChild<QLabel*>(tableText(row.key) + "Label")) {
      EXPECT_EQ(label->text(), tableText(row.caption()));
    }
  }
  click(form, "OK");
  expected.pop_back();
  EXPECT_EQ(workingSection(section), expected);
}

// One catalogue entry per form, and one per object kind of the units form.
INSTANTIATE_TEST_SUITE_P(EachForm, EveryRowTest,
                         ::testing::Values("E1", "2TNK", "WEAP", "90mm", "Cannon", "Easy", "MultiplayerDefaults",
                                           "IQ"));

}  // namespace
}  // namespace quillan::editor::test
