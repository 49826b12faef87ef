#include <gtest/gtest.h>

#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeSessionManager.h"
#include "runtime/commands/ProgramCommands.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using os::Priority;
using os::SessionEnd;
using os::ShowMode;

struct Harness : testing::ScriptHarness {
  fake::FakeProcesses processes;
  fake::FakeSessionManager sessions;
  Harness() {
    rt.os.processes = &processes;
    rt.os.sessionManager = &sessions;
  }
};

struct SplitCase {
  const char* line;
  const char* program;
  const char* parameters;
};

TEST(ProgramSplit, ProgramEndsAtFirstUnquotedBlank) {
  const SplitCase cases[] = {
      {"notepad", "notepad", ""},
      {"prog   a  b", "prog", "a  b"},
      {"\"/opt/my prog/x\" -v", "/opt/my prog/x", "-v"},
      {"/opt/\"my prog\"/x -v", "/opt/my prog/x", "-v"},
      {"\"/opt/my prog/x\"", "/opt/my prog/x", ""},
      {"prog   ", "prog", ""},
      {"\"unclosed path a", "unclosed path a", ""},
  };
  for (const auto& c : cases) {
    const commands::CommandLineParts parts = commands::splitProgram(c.line);
    EXPECT_EQ(parts.program, c.program) << c.line;
    EXPECT_EQ(parts.parameters, c.parameters) << c.line;
  }
}

TEST(ProgramSplit, LongParametersAreNotCut) {
  const std::string many(3000, 'a');
  EXPECT_EQ(commands::splitProgram("prog " + many).parameters, many);
}

TEST(ArgumentSplit, QuotesGroupAndNothingIsInterpreted) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a  b", {"a", "b"}},
      {"\"two words\" x", {"two words", "x"}},
      {"; rm -rf x", {";", "rm", "-rf", "x"}},
      {"\"; rm -rf x\"", {"; rm -rf x"}},
      {"$(touch y) `id` *", {"$(touch", "y)", "`id`", "*"}},
      {"\"\" x", {"", "x"}},
      {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(commands::splitArguments(text), expected) << text;
}

TEST(Keywords, PriorityWordsByFirstOccurrence) {
  const std::pair<const char*, Priority> cases[] = {
      {"HIGH", Priority::High},         {"high", Priority::High},     {"H", Priority::High},
      {"REALTIME", Priority::Realtime}, {"real", Priority::Realtime}, {"IDLE", Priority::Idle},
      {"LOW", Priority::Normal},        {"", Priority::Normal},       {"I", Priority::Normal},
      {"TIME", Priority::Normal},       {"HIGHER", Priority::Normal}};
  for (const auto& [word, priority] : cases) EXPECT_EQ(commands::priorityFor(word), priority) << word;
}

TEST(Keywords, SessionEndWordsByFirstOccurrence) {
  const std::pair<const char*, SessionEnd> cases[] = {
      {"", SessionEnd::Shutdown},         {"SHUTDOWN", SessionEnd::Shutdown}, {"shut", SessionEnd::Shutdown},
      {"POWEROFF", SessionEnd::PowerOff}, {"power", SessionEnd::PowerOff},    {"REBOOT", SessionEnd::Reboot},
      {"reb", SessionEnd::Reboot},        {"OFF", SessionEnd::Shutdown},      {"BOGUS", SessionEnd::Shutdown}};
  for (const auto& [word, how] : cases) EXPECT_EQ(commands::sessionEndFor(word), how) << word;
}

struct RequestCase {
  const char* name;
  std::string line;
  std::string verb, file;
  std::vector<std::string> arguments;
  std::string directory;
  ShowMode show;
  Priority priority;
  bool wait;
};

class ProgramRequests : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ProgramRequests, CarryWhatTheLineSays) {
  const RequestCase& c = GetParam();
  Harness h;
  h.var('Q') = "\"";
  h.run({c.line});
  ASSERT_EQ(h.rt.error, 0);
  ASSERT_EQ(h.processes.started.size(), 1u);
  const auto& started = h.processes.started[0];
  EXPECT_EQ(started.request.verb, c.verb);
  EXPECT_EQ(started.request.file, c.file);
  EXPECT_EQ(started.request.arguments, c.arguments);
  EXPECT_EQ(started.request.directory, c.directory);
  EXPECT_EQ(started.request.show, c.show);
  EXPECT_EQ(started.request.priority, c.priority);
  EXPECT_EQ(started.wait, c.wait);
}

INSTANTIATE_TEST_SUITE_P(
    Run, ProgramRequests,
    ::testing::Values(
        RequestCase{"Plain", "RUN notepad", "open", "notepad", {}, "", ShowMode::Normal, Priority::Normal, false},
        RequestCase{"HiddenWaitIdle",
                    "RUNH prog a  b,WAIT,idle",
                    "open",
                    "prog",
                    {"a", "b"},
                    "",
                    ShowMode::Hidden,
                    Priority::Idle,
                    true},
        RequestCase{"MaximizedLowerCaseWait",
                    "RUNM prog,wait",
                    "open",
                    "prog",
                    {},
                    "",
                    ShowMode::Maximized,
                    Priority::Normal,
                    true},
        RequestCase{"WaitMustBeTheWholeField",
                    "RUNZ prog,WAITING,LOW",
                    "open",
                    "prog",
                    {},
                    "",
                    ShowMode::Minimized,
                    Priority::Normal,
                    false},
        // Quotes written in the line are removed by the field reader;
        // quotes that arrive in a value keep a path with blanks together.
        RequestCase{"QuotedPathFromAValue",
                    "RUN %Q/opt/my prog/x%Q  one   two",
                    "open",
                    "/opt/my prog/x",
                    {"one", "two"},
                    "",
                    ShowMode::Normal,
                    Priority::Normal,
                    false},
        RequestCase{"QuotedLineLosesItsQuotes",
                    "RUN \"/opt/my prog/x\"",
                    "open",
                    "/opt/my",
                    {"prog/x"},
                    "",
                    ShowMode::Normal,
                    Priority::Normal,
                    false},
        RequestCase{"HostileTextIsArguments",
                    "RUN echo ; rm -rf x",
                    "open",
                    "echo",
                    {";", "rm", "-rf", "x"},
                    "",
                    ShowMode::Normal,
                    Priority::Normal,
                    false},
        RequestCase{
            "ShellEmptyVerb", "SHELL ,doc.txt", "", "doc.txt", {}, "", ShowMode::Normal, Priority::Normal, false},
        RequestCase{"ShellAllFields",
                    "SHELL print,/my docs/a.txt,-a b,/tmp,WAIT,HIGH",
                    "print",
                    "/my docs/a.txt",
                    {"-a", "b"},
                    "/tmp",
                    ShowMode::Normal,
                    Priority::High,
                    true},
        RequestCase{"ShellRealtime",
                    "SHELL open,prog,,,,REALTIME",
                    "open",
                    "prog",
                    {},
                    "",
                    ShowMode::Normal,
                    Priority::Realtime,
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutcomeCase {
  const char* name;
  os::ProgramOutcome outcome;
  const char* wait;
  const char* expected;  // "[retcode][ok]"
};

class ProgramOutcomes : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(ProgramOutcomes, SetLastResultAndSuccessAndGoOn) {
  Harness h;
  h.processes.outcome = GetParam().outcome;
  h.run({std::string("RUN prog") + GetParam().wait, "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(
    Run, ProgramOutcomes,
    ::testing::Values(OutcomeCase{"StartedWithoutWait", {true, true, 7}, "", "[0][1]"},
                      OutcomeCase{"ExitCodeAfterWait", {true, true, 3}, ",WAIT", "[3][1]"},
                      OutcomeCase{"CannotStart", {false, true, 0}, ",WAIT", "[-1][]"},
                      OutcomeCase{"CannotStartNoWait", {false, true, 0}, "", "[-1][]"},
                      OutcomeCase{"ExitCodeMinusOneLooksLikeFailure", {true, true, -1}, ",WAIT", "[-1][]"},
                      OutcomeCase{"PriorityRefusedKeepsTheResult", {true, false, 0}, ",WAIT,HIGH", "[0][]"}),
    [](const auto& info) { return std::string(info.param.name); });

// A start that fails in the middle of a script: that RUN reports it, the
// script goes on, and the next RUN starts again.
TEST(ProgramOutcomes, SecondStartFailsOnCue) {
  Harness h;
  h.processes.faults.failCall("run", 2, 1);
  h.run({"RUN first,WAIT", "INFO [@retcode()][@ok()]", "RUN second,WAIT", "INFO [@retcode()][@ok()]", "RUN third,WAIT",
         "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), (std::vector<std::string>{"[0][1]", "[-1][]", "[0][1]"}));
  EXPECT_EQ(h.processes.faults.calls("run"), 3);
}

TEST(ProgramWait, MessagesAreProcessedWhileWaiting) {
  Harness h;
  h.processes.ticksWhileWaiting = 5;
  h.run({"RUN prog,WAIT"});
  EXPECT_EQ(h.ui.messageRounds, 5);
}

TEST(ProgramErrors, MissingArgumentsStartNothing) {
  for (const char* line : {"RUN", "RUNH ,WAIT", "SHELL open", "SHELL open,,a"}) {
    Harness h;
    h.run({line, "INFO never"});
    EXPECT_TRUE(h.processes.started.empty()) << line;
    EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"Run time error   2\rat line   1"}) << line;
  }
}

TEST(ProgramErrors, WithoutAProcessServiceNothingStarts) {
  Harness h;
  h.rt.os.processes = nullptr;
  h.run({"RUN prog,WAIT", "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"[-1][]"});
}

struct VariableCase {
  const char* name;
  std::vector<std::string> lines;
  char fieldSep;
  std::vector<std::pair<char, std::string>> expected;
  int error = 0;
};

class ParseAndShift : public ::testing::TestWithParam<VariableCase> {};

TEST_P(ParseAndShift, SetTheVariables) {
  Harness h;
  for (char c = '1'; c <= '9'; ++c) h.var(c) = std::string("p") + c;
  for (char c : std::string("ABCX")) h.var(c) = "untouched";
  h.var('X') = "\"a|b\"|c";  // a value may carry quotes; a line cannot
  h.rt.settings.fieldSep = GetParam().fieldSep;
  h.run(GetParam().lines);
  EXPECT_EQ(h.rt.error, GetParam().error);
  for (const auto& [variable, value] : GetParam().expected) EXPECT_EQ(h.var(variable), value) << variable;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ParseAndShift,
    ::testing::Values(
        VariableCase{"ShiftMovesDown", {"SHIFT"}, '|', {{'1', "p2"}, {'8', "p9"}, {'9', ""}}},
        VariableCase{"ShiftTwice", {"SHIFT", "SHIFT"}, '|', {{'1', "p3"}, {'7', "p9"}, {'8', ""}, {'9', ""}}},
        VariableCase{"ShiftOnlyFirstSet",
                     {"%2 =", "%3 =", "%4 =", "%5 =", "%6 =", "%7 =", "%8 =", "%9 =", "SHIFT"},
                     '|',
                     {{'1', ""}, {'2', ""}, {'9', ""}}},
        VariableCase{"ParsePlain", {"PARSE \"%A;%B\",x|y|z"}, '|', {{'A', "x"}, {'B', "y"}, {'C', "untouched"}}},
        VariableCase{
            "ParseSkipsEmptyName", {"PARSE \"%A;;%C\",x|y|z"}, '|', {{'A', "x"}, {'B', "untouched"}, {'C', "z"}}},
        VariableCase{"ParseOtherSeparator", {"PARSE \"%A;%B\",x;y|z"}, ';', {{'A', "x"}, {'B', "y|z"}}},
        VariableCase{"ParseQuotedFieldFromValue", {"PARSE \"%A;%B\",%X"}, '|', {{'A', "a|b"}, {'B', "c"}}},
        VariableCase{"ParseParameters", {"PARSE \"%1;%9\",x|y"}, '|', {{'1', "x"}, {'9', "y"}, {'2', "p2"}}},
        VariableCase{"ParseEmptyTextTouchesNothing", {"PARSE \"%A\","}, '|', {{'A', "untouched"}}},
        VariableCase{"ParseLowerCaseNames", {"PARSE \"%a;%b\",1|2"}, '|', {{'A', "1"}, {'B', "2"}}},
        VariableCase{"ParseElementNameWithoutDialog", {"PARSE \"NAME;%B\",1|2"}, '|', {{'B', "2"}}},
        VariableCase{"ParseUnknownVariable", {"PARSE \"%A;%0\",1|2"}, '|', {{'A', "1"}}, core::kNoSuchVariable},
        VariableCase{"ParseWithoutNames", {"PARSE ,1|2"}, '|', {{'A', "untouched"}}, core::kMissingArgument}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sound, PlayLooksTheFileUpAndLeavesTheFlag) {
  Harness h;
  h.fs.files["ding.wav"] = "RIFF";
  h.rt.success = false;
  h.run({"PLAY ding.wav,WAIT", "PLAY chime.wav", "PLAY chime.wav, wait", "BEEP", "beep"});
  ASSERT_EQ(h.ui.sounds.size(), 3u);
  EXPECT_EQ(h.ui.sounds[0].path, "/work/ding.wav");
  EXPECT_TRUE(h.ui.sounds[0].wait);
  EXPECT_EQ(h.ui.sounds[1].path, "/home/user/.config/quillan\\chime.wav");
  EXPECT_FALSE(h.ui.sounds[1].wait);
  EXPECT_TRUE(h.ui.sounds[2].wait);  // leading blanks of a field are dropped
  EXPECT_EQ(h.ui.beeps, 2);
  EXPECT_FALSE(h.rt.success);
  EXPECT_EQ(h.rt.error, 0);
}

TEST(Sound, PlayWithoutAFileIsError2) {
  Harness h;
  h.run({"PLAY"});
  EXPECT_EQ(h.rt.error, core::kMissingArgument);
  EXPECT_TRUE(h.ui.sounds.empty());
}

TEST(Session, ExitWinAsksAndTheScriptGoesOn) {
  Harness h;
  h.rt.success = false;
  h.run({"EXITWIN", "EXITWIN reboot", "EXITWIN POWEROFF", "%A = after"});
  EXPECT_EQ(h.sessions.requests,
            (std::vector<SessionEnd>{SessionEnd::Shutdown, SessionEnd::Reboot, SessionEnd::PowerOff}));
  EXPECT_EQ(h.var('A'), "after");
  EXPECT_FALSE(h.rt.success);
}

}  // namespace
}  // namespace quillan

namespace quillan {
namespace {

// The quotes written around a path are gone when RUN reads its field; the
// longer runs of words are tried until one names an existing file.
TEST(ProgramPathWithBlanks, IsFoundWithoutItsQuotes) {
  struct Case {
    std::string line, file;
    std::vector<std::string> arguments;
  };
  for (const Case& c :
       std::vector<Case>{{"RUN \"/opt/my prog/x\" -v  two", "/opt/my prog/x", {"-v", "two"}},
                         {"RUN /opt/my prog/x", "/opt/my prog/x", {}},
                         {"RUN /opt/my prog/x a", "/opt/my prog/x", {"a"}},
                         {"RUN /opt/nothing here -v", "/opt/nothing", {"here", "-v"}},  // nothing exists: first word
                         {"RUN ./tool a b", "./tool", {"a", "b"}},                      // the first word exists
                         {"RUN bare name", "bare", {"name"}}}) {                        // names go to PATH
    Harness h;
    h.fs.files["/opt/my prog/x"] = "";
    h.fs.files["./tool"] = "";
    h.fs.files["./tool a"] = "";
    h.run({c.line});
    ASSERT_EQ(h.processes.started.size(), 1u) << c.line;
    EXPECT_EQ(h.processes.started[0].request.file, c.file) << c.line;
    EXPECT_EQ(h.processes.started[0].request.arguments, c.arguments) << c.line;
  }
}

}  // namespace
}  // namespace quillan
