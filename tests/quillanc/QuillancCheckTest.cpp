// quillanc's checker from the command line: exit statuses of --check, what
// --Werror leaves on disk, --Wno-, and silence over every script in the
// repository that runs without error.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

struct Quillanc : ::testing::Test {
  std::string dir = makeTempDir();
  ~Quillanc() override { fs::remove_all(dir); }

  std::string source(const std::string& name, const std::string& text) {
    const std::string path = dir + "/" + name;
    writeFileBytes(path, text);
    return path;
  }
};

const std::string kFaulty = "INFO x\n  GOTO nowhere\n";

TEST_F(Quillanc, CheckExitsOneWhenItWarnedAndWritesNothing) {
  struct Case {
    std::string what, text;
    std::vector<std::string> options;
    int status;
    std::string err;  // with FILE for the script's path
  };
  const std::vector<Case> cases = {
      {"sound", "INFO x\r\n", {}, 0, ""},
      {"faulty", kFaulty, {}, 1, "FILE:2:8: warning: GOTO to undefined label 'nowhere' [-Wundefined-label]\n"},
      {"the kind switched off", kFaulty, {"--Wno-undefined-label"}, 0, ""},
      {"another kind switched off",
       kFaulty,
       {"--Wno-unknown-command"},
       1,
       "FILE:2:8: warning: GOTO to undefined label 'nowhere' [-Wundefined-label]\n"},
      {"an unknown kind",
       kFaulty,
       {"--Wno-everything"},
       1,
       "quillanc: unknown warning everything in --Wno-everything (see quillanc --help)\n"},
      {"a NUL byte is still an error",
       std::string("INFO a\0b\n", 9),
       {},
       1,
       "quillanc: FILE: line 1 contains a NUL byte\n"},
  };
  for (const Case& c : cases) {
    const std::string path = source("s.qs", c.text);
    std::vector<std::string> args = c.options;
    args.insert(args.begin(), "--check");
    args.push_back(path);
    const auto r = runProgram(QUILLANC_PATH, args);
    std::string err = c.err;
    if (const auto at = err.find("FILE"); at != std::string::npos) err.replace(at, 4, path);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.err, err) << c.what;
    EXPECT_FALSE(fs::exists(dir + "/s.exe")) << c.what;
  }
  EXPECT_EQ(runProgram(QUILLANC_PATH, {"--check", dir + "/missing.qs"}).status, 1);
  EXPECT_EQ(runProgram(QUILLANC_PATH, {"--check"}).status, 2);
}

TEST_F(Quillanc, WarningsLeaveTheCompileToSucceedUnlessWerror) {
  const std::string path = source("s.qs", kFaulty);
  const std::string warning = path + ":2:8: warning: GOTO to undefined label 'nowhere' [-Wundefined-label]\n";

  auto r = runProgram(QUILLANC_PATH, {path, "-o", dir + "/plain.exe"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, warning);
  EXPECT_TRUE(fs::exists(dir + "/plain.exe"));

  // --Werror writes nothing and leaves an earlier compiled file as it was.
  writeFileBytes(dir + "/s.exe", "earlier");
  r = runProgram(QUILLANC_PATH, {"--Werror", path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, warning + "quillanc: " + path + ": 1 warning and --Werror: nothing written\n");
  EXPECT_EQ(readFileBytes(dir + "/s.exe"), "earlier");
  r = runProgram(QUILLANC_PATH, {"--Werror", path, "-o", dir + "/new.exe"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(dir + "/new.exe"));

  // With the warning switched off there is nothing to fail on.
  r = runProgram(QUILLANC_PATH, {"--Werror", "--Wno-undefined-label", path, "-o", dir + "/new.exe"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::exists(dir + "/new.exe"));
}

// Scripts that end with a run-time error on purpose have a .status file
// beside them; every other script runs cleanly and must check silently.
TEST(RepositoryScripts, CheckWithoutAWarning) {
  int checked = 0;
  for (const char* folder : {"tests/e2e/scripts", "tests/e2e/x11scripts", "examples"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(SOURCE_DIR) / folder)) {
      const fs::path script = entry.path();
      if (script.extension() != ".qs") continue;
      fs::path status = script;
      if (fs::exists(status.replace_extension(".status"))) continue;
      const auto r = runProgram(QUILLANC_PATH, {"--check", script.string()});
      EXPECT_EQ(r.status, 0) << script;
      EXPECT_EQ(r.err, "") << script;
      ++checked;
    }
  }
  EXPECT_GT(checked, 15);
}

}  // namespace
}  // namespace quillan::testing
