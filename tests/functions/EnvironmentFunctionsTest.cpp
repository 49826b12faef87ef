#include "platform/fake/FakeSystemInfo.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::FunctionCase;

class EnvironmentFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(EnvironmentFunctions, AnswerFromThePlatform) {
  testing::ScriptHarness h;
  fake::FakeSystemInfo system;
  system.environment = {{"HOME", "/home/user"}, {"EMPTY", ""}, {"path", "lower"}};
  h.rt.os.system = &system;
  h.fs.currentDir = "/srv/data";
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Functions, EnvironmentFunctions,
                         ::testing::Values(FunctionCase{"@env(HOME)", "/home/user"},
                                           FunctionCase{"@env(home)", ""},  // names keep their case on Linux
                                           FunctionCase{"@env(path)", "lower"}, FunctionCase{"@env(EMPTY)", ""},
                                           FunctionCase{"@env(NOSUCH)", ""}, FunctionCase{"@env()", ""},
                                           FunctionCase{"@curdir()", "/srv/data"},
                                           FunctionCase{"@curdir(D)", "/srv/data"},
                                           FunctionCase{"@windir()", "/home/user/.config/quillan"},
                                           FunctionCase{"@windir(W)", "/home/user/.config/quillan"},
                                           FunctionCase{"@windir(s)", "/home/user/.local/bin"},
                                           FunctionCase{"@windir(SYS)", "/home/user/.config/quillan"}));

}  // namespace
}  // namespace quillan
