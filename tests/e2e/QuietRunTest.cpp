// What an ordinary run prints on standard error: nothing but what the user
// must know. Qt's chatter is dropped; its warnings about real trouble in
// the user's set-up come through.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

struct QuietRun : ::testing::Test {
  std::string dir = makeTempDir();
  std::string exe;
  void SetUp() override {
    writeFileBytes(dir + "/form.qs",
                   "TITLE Quiet\n"
                   "DIALOG CREATE,Quiet,-1,0,220,90,TEXT(L;10;10;;;Hello),BUTTON(OK;50;10)\n"
                   "WAIT EVENT\n"
                   "INFO @event()\n");
    writeFileBytes(dir + "/form.answers", "click OK\n");
    const auto r = runProgram(QUILLANC_PATH, {dir + "/form.qs"});
    ASSERT_EQ(r.status, 0) << r.err;
    exe = dir + "/form.exe";
  }
  ~QuietRun() override { fs::remove_all(dir); }

  // scriptrun through env(1), which can take a variable out of the
  // environment; the runner itself only adds them.
  ProcessResult run(const std::vector<std::string>& envArgs) {
    std::vector<std::string> args = envArgs;
    for (const std::string& a : {std::string(SCRIPTRUN_PATH), "--unattended=" + dir + "/form.answers", exe})
      args.push_back(a);
    return runProgram("/usr/bin/env", args,
                      {{"QUILLAN_REGISTRY", dir + "/registry.db"}, {"QT_QPA_PLATFORM", "offscreen"}});
  }
};

TEST_F(QuietRun, PlainRunWithoutRuntimeDirectoryPrintsNothingOnStandardError) {
  const auto r = run({"-u", "XDG_RUNTIME_DIR"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "action\tclick OK\nbox\tinformation\tOK\tQuiet\tOKBUTTON\tOK\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(QuietRun, WarningAboutTheUsersSetUpComesThrough) {
  // A runtime directory others may read: the user can mend that.
  const std::string open = dir + "/runtime";
  fs::create_directory(open);
  ::chmod(open.c_str(), 0755);
  const auto r = run({"XDG_RUNTIME_DIR=" + open});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("QStandardPaths: wrong permissions on runtime directory " + open), std::string::npos) << r.err;
}

}  // namespace
}  // namespace quillan::testing
