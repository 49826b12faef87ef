// How scriptrun reports what ends a script: the box's caption, its text and
// the exit status, checked on the real program.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"

// AddressSanitizer reserves terabytes of address space up front, so a
// program built with it cannot start under an address-space limit.
#if defined(__SANITIZE_ADDRESS__)
#define QUILLAN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLAN_ADDRESS_SANITIZER 1
#endif
#endif

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

// A value that doubles until memory runs out ends the script with a report
// that says so, and the status of an unexpected error: the file was read
// and the script ran.
TEST_F(FailureReport, RunningOutOfMemoryIsReportedAsSuch) {
#ifdef QUILLAN_ADDRESS_SANITIZER
  GTEST_SKIP() << "an address-space limit does not work under AddressSanitizer";
#else
  const std::string exe = compile("doubling", "%A = doubled\n:again\n%A = %A%A\nGOTO again\n");
  const std::size_t oneGigabyte = std::size_t{1} << 30;
  const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", exe}, env, dir, oneGigabyte);
  EXPECT_EQ(r.out, "box\texclamation\tOK\tQuillan\tOut of memory\\rat line   2\tOK\n") << r.err;
  EXPECT_EQ(r.status, 70) << r.err;
#endif
}

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
