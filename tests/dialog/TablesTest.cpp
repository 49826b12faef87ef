// Every row of the dialog's packed tables starts on its own name, and the
// colour table gives each name its own slot.
#include <gtest/gtest.h>

#include "runtime/commands/DialogTables.h"

namespace quillan::commands {
namespace {

template <typename Entry>
void expectNames(const core::KeywordTable<Entry>& table, const std::vector<std::string>& names) {
  ASSERT_EQ(table.rows.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(core::packedPosition(table.packed, names[i]), table.rows[i].position);
    ASSERT_NE(table.find(names[i]), nullptr);
    EXPECT_EQ(table.find(names[i]), &table.rows[i]);
  }
}

TEST(DialogTables, EveryNameIsFoundAtItsRow) {
  expectNames(kElementKinds, {"STYLE", "BUTTON", "EDIT", "TEXT", "DLGTYPE", "CHECK", "PROGRESS", "STATUS", "LIST",
                              "BITMAP", "POPUP", "RADIO", "COMBO", "TASKICON"});
  expectNames(kSubCommands, {"TITLE", "SET", "FOCUS", "CLEAR", "CLEARSEL", "CLOSE", "CURSOR", "HIDE", "ENABLE",
                             "DISABLE", "SHOW", "CREATE", "POPUP"});
  expectNames(kDialogStyles, {"DRAGDROP;", "ONTOP;", "SMALLCAP;", "SAVEPOS;"});
  expectNames(kBitmapOptions, {"CLICK;", "HAND;", "CROSS;", "STRETCH;"});
}

// Every kind has its row, at its own place, and the rows say nothing a
// kind's shape cannot use.
TEST(DialogTables, EveryElementKindHasItsRowInEnumOrder) {
  ASSERT_EQ(core::kElementKindCount, kElementKinds.rows.size());
  for (std::size_t i = 0; i < core::kElementKindCount; ++i) {
    const core::ElementKindRow& row = core::kElementKindRows[i];
    SCOPED_TRACE(static_cast<int>(i));
    EXPECT_EQ(row.kind, kElementKinds.rows[i].entry);
    EXPECT_EQ(&core::kindRow(row.kind), &row);
    EXPECT_EQ(row.keyword.empty(), row.flag == nullptr);
    if (row.flag != nullptr) {
      EXPECT_TRUE(row.options == core::KindOptions::OneStyle || row.options == core::KindOptions::Styles);
    }
    if (row.shape != core::KindShape::Placed) {
      EXPECT_FALSE(row.text || row.number || row.items || row.captionFromName || row.defaultButton);
      EXPECT_EQ(row.options, core::KindOptions::None);
    }
  }
}

TEST(DialogTables, ColourNamesMatchWholeSlots) {
  ASSERT_EQ(kColourSlots.size(), 16u * 8u);
  const std::vector<std::pair<std::string, core::Colour>> named = {
      {"BACKGRND", core::Colour{true}},   {"FOREGRND", {false, 0, 0, 0}},    {"BLACK", {false, 0, 0, 0}},
      {"DKRED", {false, 128, 0, 0}},      {"DKGREEN", {false, 0, 128, 0}},   {"BROWN", {false, 128, 128, 0}},
      {"DKBLUE", {false, 0, 0, 128}},     {"MAGENTA", {false, 128, 0, 128}}, {"GRAY", {false, 128, 128, 128}},
      {"SILVER", {false, 192, 192, 192}}, {"RED", {false, 255, 0, 0}},       {"LTGREEN", {false, 0, 255, 0}},
      {"YELLOW", {false, 255, 255, 0}},   {"LTBLUE", {false, 0, 0, 255}},    {"CYAN", {false, 0, 255, 255}},
      {"WHITE", {false, 255, 255, 255}}};
  for (const auto& [name, colour] : named) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(colourNamed(name).has_value());
    EXPECT_EQ(*colourNamed(name), colour);
  }
  for (const std::string name : {"GREEN", "ED", "", "BACKGRNDFOREGRND", "BLUE", "GR"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(colourNamed(name).has_value());
  }
}

}  // namespace
}  // namespace quillan::commands
