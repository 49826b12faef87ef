// The packed tables are data typed in by hand: every start position must lie
// on its name, and every name must be reachable by the lookup.
#include <gtest/gtest.h>

#include "runtime/core/Commands.h"
#include "runtime/functions/Functions.h"

namespace quillan {
namespace {

TEST(CommandTables, EveryPositionStartsItsNameAndEveryNameIsFound) {
  std::size_t rows = 0;
  for (const auto& view : core::kCommandTables) {
    for (const auto& row : view.table.rows) {
      const std::string_view name = core::kCommandNames[static_cast<std::size_t>(row.entry)];
      EXPECT_EQ(view.table.packed.substr(static_cast<std::size_t>(row.position - 1), name.size()), name);
      EXPECT_EQ(core::findCommand(name), row.entry) << name;
      ++rows;
    }
  }
  EXPECT_EQ(rows, core::kCommandCount);
}

TEST(CommandTables, LeadingPartsFragmentsAndWrongTables) {
  struct Case {
    const char* word;
    core::Command expected;
  };
  using C = core::Command;
  for (const Case& c : std::initializer_list<Case>{{"RE", C::Registry},   {"E", C::Else},     {"EXITW", C::ExitWin},
                                                   {"RU", C::Run},        {"EN", C::End},     {"D", C::Dialog},
                                                   {"SH", C::Shift},      {"WI", C::Window},  {"HIFT", C::Count},
                                                   {"XIT", C::Count},     {"P", C::Count},    {"BEEPER", C::Count},
                                                   {"PLAYX", C::Count},   {"T", C::Title},    {"TITLEX", C::Count},
                                                   {"ENDDE", C::End},     {"", C::Count},     {"1", C::Count}})
    EXPECT_EQ(core::findCommand(c.word), c.expected) << c.word;
}

TEST(FunctionGroups, EveryPositionStartsItsNameAndEveryNameIsFound) {
  for (const auto& group : functions::kFunctionGroups) {
    for (const auto& row : group.table.rows) {
      std::string_view name = functions::kFunctionNames[static_cast<std::size_t>(row.entry)];
      if (row.entry == functions::Function::Not && row.position == 14) name = "NULL";
      EXPECT_EQ(group.table.packed.substr(static_cast<std::size_t>(row.position - 1), name.size()), name);
      EXPECT_EQ(functions::findFunction(name), row.entry) << name;
    }
  }
}

TEST(FunctionGroups, FirstOccurrenceDecides) {
  struct Case {
    const char* name;
    functions::Function expected;
  };
  using F = functions::Function;
  for (const Case& c : std::initializer_list<Case>{{"SUBS", F::SubStr}, {"ASCHR", F::Asc},     {"RE", F::Count_},
                                                   {"IN", F::IniRead},  {"C", F::Chr},         {"WIN", F::WinDir},
                                                   {"NULL", F::Not},    {"ENV", F::Env},       {"XYZ", F::Count_},
                                                   {" UPPER", F::Count_}, {"VERINFO", F::VerInfo}, {"", F::Count_}})
    EXPECT_EQ(functions::findFunction(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace quillan
