#include "platform/fake/FakeSystemInfo.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using os::BoxAnswer;
using os::BoxButtons;
using testing::Flag;
using testing::FunctionCase;

struct QuestionCase {
  const char* name;
  const char* expression;
  BoxAnswer answer;
  BoxButtons buttons;
  const char* expected;
};

class Questions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(Questions, YesOnlyForTheirYesButton) {
  testing::ScriptHarness h;
  h.rt.settings.titleText = "Caption";
  h.rt.success = !std::string(GetParam().expected).empty() ? false : true;
  h.ui.answers.push_back(GetParam().answer);
  EXPECT_EQ(testing::evaluate(h, GetParam().expression), GetParam().expected);
  EXPECT_EQ(h.rt.success, !std::string(GetParam().expected).empty());
  ASSERT_EQ(h.ui.boxes.size(), 1u);
  EXPECT_EQ(h.ui.boxes[0].caption, "Caption");
  EXPECT_EQ(h.ui.boxes[0].text, "Go on?");
  EXPECT_EQ(h.ui.boxes[0].icon, os::BoxIcon::Question);
  EXPECT_EQ(h.ui.boxes[0].buttons, GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    User, Questions,
    ::testing::Values(QuestionCase{"AskYes", "@ask(Go on?)", BoxAnswer::Yes, BoxButtons::YesNo, "1"},
                      QuestionCase{"AskNo", "@ask(Go on?)", BoxAnswer::No, BoxButtons::YesNo, ""},
                      QuestionCase{"QueryOk", "@query(Go on?)", BoxAnswer::Ok, BoxButtons::OkCancel, "1"},
                      QuestionCase{"QueryCancel", "@query(Go on?)", BoxAnswer::Cancel, BoxButtons::OkCancel, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Questions, EmptyQuestionIsError2AndShowsNothing) {
  for (const char* expression : {"@ask()", "@query( )"}) {
    testing::ScriptHarness h;
    testing::evaluate(h, expression);
    EXPECT_EQ(h.rt.error, core::kMissingArgument) << expression;
    EXPECT_TRUE(h.ui.boxes.empty()) << expression;
  }
}

struct InputCase {
  const char* name;
  const char* expression;
  std::vector<fake::InputAnswer> answers;
  std::string expected;
  bool confirmed;
};

class Inputs : public ::testing::TestWithParam<InputCase> {};

TEST_P(Inputs, GiveTheTextOrTheDefault) {
  testing::ScriptHarness h;
  h.rt.settings.titleText = "Caption";
  h.rt.success = !GetParam().confirmed;
  h.ui.inputAnswers.assign(GetParam().answers.begin(), GetParam().answers.end());
  EXPECT_EQ(testing::evaluate(h, GetParam().expression), GetParam().expected);
  EXPECT_EQ(h.rt.success, GetParam().confirmed);
  ASSERT_EQ(h.ui.inputs.size(), 1u);
  EXPECT_EQ(h.ui.inputs[0].caption, "Caption");
  EXPECT_EQ(h.ui.inputs[0].prompt, "Name?");
}

INSTANTIATE_TEST_SUITE_P(
    User, Inputs,
    ::testing::Values(InputCase{"Typed", "@input(Name?,Bob)", {{true, "Alice"}}, "Alice", true},
                      InputCase{"DefaultTaken", "@input(Name?,Bob)", {}, "Bob", true},
                      InputCase{"CancelGivesTheDefault", "@input(Name?,Bob)", {{false, "ignored"}}, "Bob", false},
                      InputCase{"TextWithCommaStaysWhole", "@input(Name?,\"a,b\")", {}, "a,b", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Inputs, EmptyPromptIsError11AndShowsNothing) {
  testing::ScriptHarness h;
  testing::evaluate(h, "@input(,Bob)");
  EXPECT_EQ(h.rt.error, core::kMissingFunctionArgument);
  EXPECT_TRUE(h.ui.inputs.empty());
}

TEST(RetCode, ShowsTheLastRunResult) {
  testing::ScriptHarness h;
  for (const std::int32_t value : {0, -1, 255}) {
    h.rt.lastRunResult = value;
    testing::expectCase(h, {"[@retcode(x)]", "[" + std::to_string(value) + "]"});
  }
}

struct SysInfoHarness : testing::ScriptHarness {
  fake::FakeSystemInfo system;
  SysInfoHarness() { rt.os.system = &system; }
};

class SysInfo : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(SysInfo, AnswersFromThePlatform) {
  SysInfoHarness h;
  h.system.kernel = {6, 10};
  // 64 GiB with 40 GiB available: byte counts beyond every 32-bit range.
  h.system.memoryFigures = {64ull * 1024 * 1024, 40ull * 1024 * 1024, 38};
  h.system.screenFigures = {2560, 1440, 120};
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    System, SysInfo,
    ::testing::Values(FunctionCase{"@sysinfo(winver)", "6.10"}, FunctionCase{"@sysinfo(SCREENWIDTH)", "2560"},
                      FunctionCase{"@sysinfo(screenheight)", "1440"}, FunctionCase{"@sysinfo(S)", "2560"},
                      FunctionCase{"@sysinfo(win32)", "1"}, FunctionCase{"@sysinfo(pixperin)", "120"},
                      FunctionCase{"@sysinfo(totmem)", "67108864"}, FunctionCase{"@sysinfo(freemem)", "41943040"},
                      FunctionCase{"@sysinfo(memload)", "38"}, FunctionCase{"@sysinfo(qnver)", "2.05 (32-bit)"},
                      FunctionCase{"@sysinfo(mem)", "", Flag::Untouched, core::kBadValue},
                      FunctionCase{"@sysinfo(cpu)", "", Flag::Untouched, core::kBadValue},
                      FunctionCase{"@sysinfo()", "", Flag::Untouched, core::kBadValue}));

}  // namespace
}  // namespace quillan
