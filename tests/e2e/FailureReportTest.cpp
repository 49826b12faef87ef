// How scriptrun reports what ends a script: the box's caption, its text and
// the exit status, checked on the real program.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

struct FailureReport : ::testing::Test {
  std::string dir = makeTempDir();
  std::map<std::string, std::string> env{{"QUILLAN_REGISTRY", dir + "/registry.db"}};
  ~FailureReport() override { fs::remove_all(dir); }

  std::string compile(const std::string& name, const std::string& source) {
    writeFileBytes(dir + "/" + name + ".qs", source);
    const auto r = runProgram(QUILLANC_PATH, {dir + "/" + name + ".qs"});
    EXPECT_EQ(r.status, 0) << r.err;
    return dir + "/" + name + ".exe";
  }
};

// Every box takes the title as the script set it: the bytes, converted for
// display only at the desktop, whatever the locale.
TEST_F(FailureReport, ErrorBoxTakesTheTitleLikeEveryOtherBox) {
  const std::string exe = compile("title", "TITLE @chr(233)t@chr(195)@chr(169)\nINFO x\nBOGUS\n");
  for (const char* locale : {"C", "C.UTF-8"}) {
    env["LC_ALL"] = locale;
    const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", exe}, env, dir);
    EXPECT_EQ(r.out,
              "box\tinformation\tOK\t\xE9t\xC3\xA9\tx\tOK\n"
              "box\texclamation\tOK\t\xE9t\xC3\xA9\tRun time error   1\\rat line   3\tOK\n")
        << locale;
    EXPECT_EQ(r.status, 1) << locale;
  }
}

}  // namespace
}  // namespace quillan::testing
