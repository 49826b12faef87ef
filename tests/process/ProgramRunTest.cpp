// RUN and SHELL end to end in the interpreter, with real child processes
// and the test desktop, whose message rounds are counted.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process/PosixProcesses.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;

struct RealPrograms : ::testing::Test {
  testing::ScriptHarness h;
  process::PosixProcesses processes;
  std::string dir;

  RealPrograms() {
    h.rt.os.processes = &processes;
    h.var('Q') = "\"";
    std::string pattern = fs::temp_directory_path().string() + "/quillan-run-XXXXXX";
    dir = ::mkdtemp(pattern.data());
    fs::create_directory(dir + "/my  tools");
    const std::string recorder = dir + "/my  tools/print args";
    std::ofstream(recorder) << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"" << dir
                            << "/args\"\nexit 7\n";
    ::chmod(recorder.c_str(), 0755);
    h.var('R') = recorder;
  }
  ~RealPrograms() override { fs::remove_all(dir); }

  std::string recorded() {
    std::ifstream in(dir + "/args");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(RealPrograms, MessagesAreProcessedWhileAProgramIsWaitedFor) {
  h.run({"RUN sleep 0.35,WAIT", "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"[0][1]"});
  EXPECT_GE(h.ui.messageRounds, 3);
}

TEST_F(RealPrograms, QuotedPathWithBlanksAndParametersWithSeveralBlanks) {
  h.run({"RUN %Q%R%Q   one    two   %Qthree  four%Q,WAIT", "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"[7][1]"});
  EXPECT_EQ(recorded(), "[one][two][three  four]");
}

TEST_F(RealPrograms, MissingProgramFailsSoftlyAndTheScriptGoesOn) {
  h.run({"RUN quillan-no-such-program --flag,WAIT", "INFO [@retcode()][@ok()]", "SHELL open,quillan-no-such-program",
         "INFO [@retcode()][@ok()]"});
  EXPECT_EQ(h.boxTexts(), (std::vector<std::string>{"[-1][]", "[-1][]"}));
  EXPECT_EQ(h.rt.error, 0);
}

}  // namespace
}  // namespace quillan
