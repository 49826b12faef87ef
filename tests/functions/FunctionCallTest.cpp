#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/Functions.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using core::Function;
using testing::FunctionCase;

// Names are found at their first occurrence in the group's packed string.
TEST(FunctionNames, SelectByFirstOccurrence) {
  const std::pair<const char*, Function> cases[] = {
      {"SUBS", Function::SubStr}, {"ASCHR", Function::Asc},  {"IN", Function::IniRead},
      {"C", Function::Chr},       {"WIN", Function::WinDir}, {"NULL", Function::Not},
      {"RE", Function::Count_},   {"XYZ", Function::Count_}, {" SUM", Function::Count_}};
  for (const auto& [name, function] : cases) EXPECT_EQ(core::findFunction(name), function) << name;
}

class Calls : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(Calls, ExpandInPlace) {
  testing::ScriptHarness h;
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Expansion, Calls,
                         ::testing::Values(FunctionCase{"@subs(hello,2,3)", "el"}, FunctionCase{"@aschr(A)", "65"},
                                           FunctionCase{"@re(x)", "@re(x)", testing::Flag::Untouched, 7},
                                           FunctionCase{"@xyz()", "@xyz()", testing::Flag::Untouched, 7},
                                           FunctionCase{"@upper(a,b)", "Ab)"},
                                           FunctionCase{"@upper(@substr(abc,2))x", "Bx"},
                                           FunctionCase{"@len(@upper(ab)@cr(c))", "4"},
                                           FunctionCase{"@upper(abc", "ABC"}, FunctionCase{"<@len( a b )>", "<4>"},
                                           FunctionCase{"@upper abc", "@upper abc", testing::Flag::Untouched, 8},
                                           FunctionCase{"\"@cr()\"", "@cr()"}));

// The loop of the runtime's benchmark, end to end through the interpreter.
TEST(Calls, CountingLoopRunsToItsEnd) {
  testing::ScriptHarness h;
  h.run({"%I = 0", "REPEAT", "%I = @succ(%I)", "UNTIL @equal(%I,1000)", "%J = @ok()"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('I'), "1000");
  EXPECT_EQ(h.var('J'), "1");
}

// Each runtime calls through its own function set and its own cache of
// names: installing a second one leaves the first as it was.
TEST(Calls, TwoRuntimesKeepTheirOwnFunctions) {
  testing::ScriptHarness full;
  const core::FunctionRow onlySum[] = {{Function::Sum, functions::standardFunctions()[Function::Sum]}};
  const core::FunctionSet sumOnly{onlySum};
  testing::ScriptHarness narrow;
  functions::installFunctions(narrow.rt, sumOnly);

  full.run({"%A = @succ(1)", "%B = @sum(2,3)"});
  narrow.run({"%B = @sum(2,3)", "%A = @succ(1)"});
  EXPECT_EQ(full.rt.error, 0);
  EXPECT_EQ(full.var('A'), "2");
  EXPECT_EQ(full.var('B'), "5");
  EXPECT_EQ(narrow.var('B'), "5");
  EXPECT_EQ(narrow.rt.error, core::kNotAvailable);
  EXPECT_EQ(narrow.rt.errorText, "The function SUCC is not available in this version of the runtime");
}

}  // namespace
}  // namespace quillan
