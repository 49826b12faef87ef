#include <gtest/gtest.h>

#include "runtime/core/Interpreter.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::ScriptHarness;

struct ScriptCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> boxes;  // texts of the boxes shown, in order
};

class ScriptRuns : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptRuns, ShowsExactlyTheseBoxes) {
  ScriptHarness h;
  h.run(GetParam().lines);
  EXPECT_EQ(h.boxTexts(), GetParam().boxes);
  EXPECT_TRUE(h.rt.terminated);
}

INSTANTIATE_TEST_SUITE_P(
    Loop, ScriptRuns,
    ::testing::Values(
        ScriptCase{"EmptyAndBlankLinesDoNothing", {"", "   ", "X", "  Y"}, {}},
        ScriptCase{"LabelLineNeverRuns", {":INFO hidden", "INFO shown"}, {"shown"}},
        ScriptCase{"UnknownWordIsError1AtLine1", {"FOO", "INFO never"}, {"Run time error   1\rat line   1"}},
        ScriptCase{"WordIsUpperCased", {"info MiXeD", "Info x"}, {"MiXeD", "x"}},
        ScriptCase{"LongerWordIsNotACommand", {"INFOX y"}, {"Run time error   1\rat line   1"}},
        ScriptCase{"LeadingPartSelectsCommand", {"INF short"}, {"short"}},
        ScriptCase{"FragmentInsideANameIsError1", {"NFO x"}, {"Run time error   1\rat line   1"}},
        ScriptCase{"WordInWrongTableIsError1", {"REM ok", "TITL x", "NFO"}, {"Run time error   1\rat line   3"}},
        ScriptCase{"ErrorOnThirdLine", {"REM", "BREAK", "%A 5"}, {"Run time error   6\rat line   3"}},
        ScriptCase{"AssignmentWithBlanks", {"%A = 5", "INFO [%A]"}, {"[5]"}},
        ScriptCase{"AssignmentWithoutBlanksIsError6", {"%A=5"}, {"Run time error   6\rat line   1"}},
        ScriptCase{"AssignmentToZeroIsError5", {"%0 = x"}, {"Run time error   5\rat line   1"}},
        ScriptCase{"LowerCaseVariableIsTheSame", {"%b = v", "INFO %B"}, {"v"}},
        ScriptCase{"OnlyFirstFieldIsAssigned", {"%A = one, two", "INFO %A"}, {"one"}},
        ScriptCase{"CommaInValueStaysOneField", {"%A = \"x,y\"", "INFO %A"}, {"x,y"}},
        ScriptCase{"TrailingBlankIsAField", {"INFO "}, {" "}},
        ScriptCase{"EmptyInfoIsError2", {"INFO"}, {"Run time error   2\rat line   1"}},
        ScriptCase{"CarriageReturnWordIsIgnored", {"\r", "\r\rINFO x"}, {}},
        ScriptCase{"LastLineRunsThenEnds", {"REM", "INFO last"}, {"last"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorReport, PadsCodeAndLineToThreePlaces) {
  EXPECT_EQ(core::runTimeErrorText(2, 3), "Run time error   2\rat line   3");
  EXPECT_EQ(core::runTimeErrorText(23, 1234), "Run time error  23\rat line 1234");
  EXPECT_EQ(core::unexpectedErrorText(0), "Unexpected error\rat line   0");
  EXPECT_EQ(core::outOfMemoryText(2), "Out of memory\rat line   2");
}

TEST(ErrorReport, BoxHasExclamationOkAndApplicationTitle) {
  ScriptHarness h;
  h.ui.title = "Quillan";
  h.run({"TITLE Mine", "BOGUS"});
  ASSERT_EQ(h.ui.boxes.size(), 1u);
  EXPECT_EQ(h.ui.boxes[0].caption, "Mine");
  EXPECT_EQ(h.ui.boxes[0].icon, os::BoxIcon::Exclamation);
  EXPECT_EQ(h.ui.boxes[0].buttons, os::BoxButtons::Ok);
}

// Every command of the language is built, so a runtime given only REM and
// INFO stands in for one that lacks a command.
TEST(NotAvailable, EndsTheScriptWithItsOwnReport) {
  const auto& all = commands::standardCommands();
  const core::CommandRow remAndInfo[] = {{core::Command::Rem, all[core::Command::Rem]},
                                         {core::Command::Info, all[core::Command::Info]}};
  const core::CommandSet narrow{remAndInfo};
  ScriptHarness h;
  h.rt.commands = &narrow;
  h.run({"REM", "DDE TERMINATE", "INFO never"});
  ASSERT_EQ(h.ui.boxes.size(), 1u);
  EXPECT_EQ(h.ui.boxes[0].text, "The command DDE is not available in this version of the runtime\rat line   2");
  EXPECT_EQ(h.rt.error, core::kNotAvailable);
}

}  // namespace
}  // namespace quillan

namespace quillan {
namespace {

// A desktop whose message processing meets a failing handler on line 2.
struct FailingRound : fake::FakeUserInterface {
  core::Runtime* rt = nullptr;
  int rounds = 0;
  void processMessagesIfDue() override {
    if (++rounds == 3) core::reportUnexpected(*rt);
  }
};

TEST(UnexpectedError, EndsTheScriptWithItsReportAndRunsNoFurtherLine) {
  FailingRound ui;
  fake::FakeFileSystem fs;
  core::Runtime rt(os::Platform{&ui, &fs, nullptr});
  ui.rt = &rt;
  rt.commands = &commands::standardCommands();
  core::prepare(rt, "x.exe", {});
  rt.store = {"INFO one", "INFO two", "INFO three", "INFO four"};
  core::startScript(rt);
  ASSERT_EQ(ui.boxes.size(), 3u);
  EXPECT_EQ(ui.boxes[2].text, "Unexpected error\rat line   2");
  EXPECT_EQ(ui.boxes[2].icon, os::BoxIcon::Exclamation);
  EXPECT_TRUE(rt.terminated);
  EXPECT_TRUE(rt.unexpectedError);
}

// An allocation that fails ends the script like any escaped failure, with
// a report that names the cause; the values that filled memory are let go
// before the box is shown.
struct MemoryRunsOut : fake::FakeUserInterface {
  core::Runtime* rt = nullptr;
  int rounds = 0;
  void processMessagesIfDue() override {
    if (++rounds == 3) core::reportOutOfMemory(*rt);
  }
};

TEST(OutOfMemory, EndsTheScriptWithItsOwnReportAndReleasesTheValues) {
  MemoryRunsOut ui;
  fake::FakeFileSystem fs;
  core::Runtime rt(os::Platform{&ui, &fs, nullptr});
  ui.rt = &rt;
  rt.commands = &commands::standardCommands();
  core::prepare(rt, "x.exe", {});
  rt.quickLinesPerMessageRound = 1;  // the third round comes before the third line
  rt.store = {"TITLE Mine", "%A = big", "INFO never"};
  core::startScript(rt);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Out of memory\rat line   2");
  EXPECT_EQ(ui.boxes[0].caption, "Mine");
  EXPECT_EQ(ui.boxes[0].icon, os::BoxIcon::Exclamation);
  EXPECT_EQ(rt.vars[9], "");
  EXPECT_TRUE(rt.terminated);
  EXPECT_TRUE(rt.unexpectedError);
}

}  // namespace
}  // namespace quillan
