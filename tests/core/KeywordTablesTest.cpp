// The packed tables are data typed in by hand: every start position must lie
// on its name, and every name must be reachable by the lookup.
#include <gtest/gtest.h>

#include <set>

#include "runtime/commands/CommandKeywords.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"

namespace quillan {
namespace {

// Every table of every layer: each row's name stands at its position, the
// lookup finds the name there (its first occurrence), and no two rows
// share a position.
TEST(KeywordTables, EveryPositionStartsItsNameAndEveryNameIsFound) {
  const auto tables = commands::allKeywordTables();
  EXPECT_GE(tables.size(), 23u);  // 5 command tables, 8 function groups and the word tables
  for (const auto& table : tables) {
    std::set<int> positions;
    for (const auto& [position, name] : table.rows) {
      ASSERT_FALSE(name.empty()) << table.title << " at " << position;
      EXPECT_TRUE(positions.insert(position).second) << table.title << ": " << name;
      EXPECT_EQ(core::packedPosition(table.packed, name), position) << table.title << ": " << name;
    }
  }
}

// The table chosen by the first character must be the one that holds it.
TEST(CommandTables, EveryCommandIsFoundInItsTable) {
  std::size_t rows = 0;
  for (const auto& view : core::kCommandTables) rows += view.table.rows.size();
  EXPECT_EQ(rows, core::kCommandCount);
  for (std::size_t i = 0; i < core::kCommandCount; ++i)
    EXPECT_EQ(core::findCommand(core::kCommandNames[i]), static_cast<core::Command>(i)) << core::kCommandNames[i];
}

TEST(FunctionGroups, EveryFunctionIsFoundInItsGroup) {
  for (std::size_t i = 0; i < core::kFunctionCount; ++i)
    EXPECT_EQ(core::findFunction(core::kFunctionNames[i]), static_cast<core::Function>(i)) << core::kFunctionNames[i];
}

TEST(CommandTables, LeadingPartsFragmentsAndWrongTables) {
  struct Case {
    const char* word;
    core::Command expected;
  };
  using C = core::Command;
  for (const Case& c : std::initializer_list<Case>{{"RE", C::Registry},
                                                   {"E", C::Else},
                                                   {"EXITW", C::ExitWin},
                                                   {"RU", C::Run},
                                                   {"EN", C::End},
                                                   {"D", C::Dialog},
                                                   {"SH", C::Shift},
                                                   {"WI", C::Window},
                                                   {"HIFT", C::Count},
                                                   {"XIT", C::Count},
                                                   {"P", C::Count},
                                                   {"BEEPER", C::Count},
                                                   {"PLAYX", C::Count},
                                                   {"T", C::Title},
                                                   {"TITLEX", C::Count},
                                                   {"ENDDE", C::End},
                                                   {"", C::Count},
                                                   {"1", C::Count}})
    EXPECT_EQ(core::findCommand(c.word), c.expected) << c.word;
}

TEST(FunctionGroups, FirstOccurrenceDecides) {
  struct Case {
    const char* name;
    core::Function expected;
  };
  using F = core::Function;
  for (const Case& c : std::initializer_list<Case>{{"SUBS", F::SubStr},
                                                   {"ASCHR", F::Asc},
                                                   {"RE", F::Count_},
                                                   {"IN", F::IniRead},
                                                   {"C", F::Chr},
                                                   {"WIN", F::WinDir},
                                                   {"NULL", F::Not},
                                                   {"ENV", F::Env},
                                                   {"XYZ", F::Count_},
                                                   {" UPPER", F::Count_},
                                                   {"VERINFO", F::VerInfo},
                                                   {"", F::Count_}})
    EXPECT_EQ(core::findFunction(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace quillan
