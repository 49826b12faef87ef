#include <gtest/gtest.h>

#include "runtime/core/CommandLine.h"

namespace quillan::core {
namespace {

using Action = CommandLine::Action;

struct Case {
  const char* name;
  std::vector<std::string> args;
  std::optional<std::string> env;
  Action action;
  bool unattended;
  std::string answers;
  std::string script;
  std::vector<std::string> parameters;
};

class Parsing : public ::testing::TestWithParam<Case> {};

TEST_P(Parsing, SplitsOptionsScriptAndParameters) {
  const Case& c = GetParam();
  const CommandLine line = parseCommandLine(c.args, c.env);
  EXPECT_EQ(line.action, c.action);
  if (c.action != Action::Run) return;
  EXPECT_EQ(line.unattended, c.unattended);
  EXPECT_EQ(line.answerFile, c.answers);
  EXPECT_EQ(line.scriptArg, c.script);
  EXPECT_EQ(line.parameters, c.parameters);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Parsing,
    ::testing::Values(
        Case{"Nothing", {}, {}, Action::Run, false, "", "", {}},
        Case{"ScriptAndParameters",
             {"a.exe", "one", "two words"},
             {},
             Action::Run,
             false,
             "",
             "a.exe",
             {"one", "two words"}},
        Case{"Unattended", {"--unattended", "a.exe"}, {}, Action::Run, true, "", "a.exe", {}},
        Case{"UnattendedWithFile",
             {"--unattended=ans.txt", "a.exe", "x"},
             {},
             Action::Run,
             true,
             "ans.txt",
             "a.exe",
             {"x"}},
        Case{"OptionsAfterScriptAreParameters",
             {"a.exe", "--unattended", "--help"},
             {},
             Action::Run,
             false,
             "",
             "a.exe",
             {"--unattended", "--help"}},
        Case{"EnvironmentSwitchesItOn", {"a.exe"}, std::string("f"), Action::Run, true, "f", "a.exe", {}},
        Case{"EmptyEnvironmentMeansNoAnswers", {"a.exe"}, std::string(""), Action::Run, true, "", "a.exe", {}},
        Case{"DoubleDashEndsOptions", {"--", "-odd.exe"}, {}, Action::Run, false, "", "-odd.exe", {}},
        Case{"HelpAlone", {"--help"}, {}, Action::Help, false, "", "", {}},
        Case{"VersionAlone", {"--version"}, {}, Action::Version, false, "", "", {}},
        Case{"UnknownOption", {"--bogus", "a.exe"}, {}, Action::Usage, false, "", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TraceCase {
  std::vector<std::string> args;
  Action action;
  bool trace;
  std::string file;
  std::string script;
};

TEST(CommandLineTrace, GoesBeforeTheScriptWithAnOptionalFile) {
  for (const TraceCase& c :
       std::vector<TraceCase>{{{"--trace", "a.exe"}, Action::Run, true, "", "a.exe"},
                              {{"--trace=t.log", "--unattended", "a.exe"}, Action::Run, true, "t.log", "a.exe"},
                              {{"--unattended", "--trace=t.log", "--trace", "a.exe"}, Action::Run, true, "", "a.exe"},
                              {{"a.exe", "--trace"}, Action::Run, false, "", "a.exe"},  // a parameter of the script
                              {{"--trace=", "a.exe"}, Action::Usage, false, "", ""},
                              {{"--tracer", "a.exe"}, Action::Usage, false, "", ""}}) {
    const CommandLine line = parseCommandLine(c.args, std::nullopt);
    EXPECT_EQ(line.action, c.action) << c.args[0];
    if (c.action != Action::Run) continue;
    EXPECT_EQ(line.trace, c.trace) << c.args[0];
    EXPECT_EQ(line.traceFile, c.file) << c.args[0];
    EXPECT_EQ(line.scriptArg, c.script) << c.args[0];
  }
}

}  // namespace
}  // namespace quillan::core
