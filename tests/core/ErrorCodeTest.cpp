// Which run-time error a line ends with when more than one thing on it
// fails: each failure replaces the code, so the last one is reported,
// except where a command keeps a code that is already set.
#include <gtest/gtest.h>

#include "runtime/core/FunctionNames.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::ScriptHarness;

struct ErrorCase {
  const char* name;
  std::vector<std::string> lines;
  int error;
  int line = 1;  // 1-based, as the report counts
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class LastErrorWins : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LastErrorWins, ReportsThisCode) {
  ScriptHarness h;
  h.run(GetParam().lines);
  EXPECT_EQ(h.rt.error, GetParam().error);
  EXPECT_EQ(h.rt.line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Line, LastErrorWins,
    ::testing::Values(
        // An empty argument of ASC (11), then the command's required field
        // reads as empty (2).
        ErrorCase{"RequiredFieldAfterFailedCall", {"INFO @asc()"}, 2},
        ErrorCase{"LabelAfterFailedCall", {"GOTO @asc()", ":X"}, 2},
        ErrorCase{"UnknownFunctionAfterEmptyArgument", {"INFO x@asc()@xyz(1)"}, 7},
        ErrorCase{"EmptyArgumentAfterBadKey", {"INFO x@asc(@key(f13))"}, 11},
        ErrorCase{"EmptyArgumentAfterUnknownFunction", {"INFO x@xyz(1)@asc()"}, 11},
        ErrorCase{"NoParenthesisAfterUnknownFunction", {"INFO x@xyz(1)@upper abc"}, 8},
        ErrorCase{"BadSelectorAfterUnknownFunction", {"INFO x@xyz(1)@sysinfo(cpu)"}, 13},
        ErrorCase{"ClickSelectorAfterUnknownFunction", {"INFO x@xyz(1)@click(q)"}, 13},
        ErrorCase{"EmptyClickSelectorStopsThere", {"INFO x@click()"}, 11},
        ErrorCase{"LaterArgumentOfTheSameCall", {"INFO x@greater(@key(f0),)"}, 11},
        ErrorCase{"LaterFieldOfTheSameLine", {"SHELL @key(f99)open,x@xyz(1)"}, 7},
        ErrorCase{"AssignmentToZeroAfterFailedValue", {"%0 = @asc()"}, 5},
        ErrorCase{"DialogWordWithoutDialog", {"DIALOG @asc()"}, 22},
        ErrorCase{"EmptyDialogWordWithoutDialog", {"DIALOG"}, 22},
        // Without a dialog DLGTEXT reads nothing: the rest of its call is
        // left as text, so the field is not empty.
        ErrorCase{"DialogTextWithoutDialog", {"INFO @dlgtext(x)"}, 22},
        ErrorCase{"FailedConditionDoesNotJump", {"IF @asc()", "INFO skipped", "END"}, 11},
        ErrorCase{"FirstFailingLineEndsTheScript", {"INFO ok", "INFO @xyz()@asc()", "INFO @asc()"}, 11, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A command or function this build does not have is reported as such:
// what follows on the line (which may fail only because of it) does not
// replace that report, and it replaces a language error set before it.
TEST(NotAvailable, IsNeverReplaced) {
  const core::FunctionRow onlyAsc[] = {{core::Function::Asc, functions::standardFunctions()[core::Function::Asc]}};
  const core::FunctionSet ascOnly{onlyAsc};
  const std::pair<const char*, const char*> cases[] = {
      {"INFO @upper(x)", "UPPER"},         // the field reads as empty
      {"INFO @upper(x)@asc()", "UPPER"},   // a later error of a function
      {"INFO x@asc()@upper(x)", "UPPER"},  // an earlier one
      {"INFO @upper(x)@len(y)", "UPPER"},  // the first missing one is named
  };
  for (const auto& [line, name] : cases) {
    SCOPED_TRACE(line);
    ScriptHarness h;
    functions::installFunctions(h.rt, ascOnly);
    h.run({line});
    EXPECT_EQ(h.rt.error, core::kNotAvailable);
    EXPECT_EQ(h.rt.errorText, std::string("The function ") + name + " is not available in this version of the runtime");
  }
}

}  // namespace
}  // namespace quillan
