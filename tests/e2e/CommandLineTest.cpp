// scriptrun's own command line, loading failures and the launcher stub.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"
#include "QuillanVersion.h"
#include "tools/quillanc/ScriptCompiler.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

const std::string kBuiltInBox =
    "box\tinformation\tOK\tQuillan\tVisual Quillan 2.05 (32-bit) Runtime\\rCopyright (c) 2026 the Quillan "
    "developers, free software with no warranty.\\rStart it with a compiled script file: scriptrun SCRIPT.exe "
    "[PARAMETERS]\tOK\n";

struct Fixture : ::testing::Test {
  std::string dir = makeTempDir();
  std::map<std::string, std::string> env{{"QUILLAN_REGISTRY", dir + "/registry.db"}};
  ~Fixture() override { fs::remove_all(dir); }

  std::string compile(const std::string& name, const std::string& source) {
    writeFileBytes(dir + "/" + name + ".qs", source);
    const auto r = runProgram(QUILLANC_PATH, {dir + "/" + name + ".qs"});
    EXPECT_EQ(r.status, 0) << r.err;
    return dir + "/" + name + ".exe";
  }
};

using ScriptrunCommandLine = Fixture;

TEST_F(ScriptrunCommandLine, BuiltInScriptRunsWithoutAFileOrForOtherExtensions) {
  writeFileBytes(dir + "/notes.txt", "INFO never read");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--unattended"}, {"--unattended", dir + "/notes.txt"}, {"--unattended", dir + "/missing.dat"}}) {
    const auto r = runProgram(SCRIPTRUN_PATH, args, env);
    EXPECT_EQ(r.out, kBuiltInBox);
    EXPECT_EQ(r.status, 0);
  }
}

TEST_F(ScriptrunCommandLine, CannotRunReportsNameAndReason) {
  std::string stub = compiler::launcherStub();
  writeFileBytes(dir + "/short.exe", stub);  // exactly 8192 bytes
  writeFileBytes(dir + "/tiny.EXE", "MZ");   // shorter than the stub
  auto noEnd = compiler::compileLines({"INFO x"});
  writeFileBytes(dir + "/noend.exe", noEnd.bytes.substr(0, noEnd.bytes.size() - 16));
  struct Case {
    std::string file, message;
  };
  for (const Case& c : std::vector<Case>{{dir + "/missing.exe", "Error code 2"},
                                         {dir + "/short.exe", "File is corrupt"},
                                         {dir + "/tiny.EXE", "File is corrupt"},
                                         {dir + "/noend.exe", "File is corrupt"}}) {
    const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", c.file}, env);
    EXPECT_EQ(r.out, "box\texclamation\tOK\tQuillan\tCannot run " + c.file + ": " + c.message + "\tOK\n");
    EXPECT_EQ(r.status, 66);
  }
}

TEST_F(ScriptrunCommandLine, HelpAndVersionPrintAndExit) {
  const auto help = runProgram(SCRIPTRUN_PATH, {"--help"}, env);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: scriptrun"), std::string::npos);
  const auto version = runProgram(SCRIPTRUN_PATH, {"--version"}, env);
  EXPECT_EQ(version.out, "scriptrun (Quillan) " QUILLAN_VERSION_TEXT "\n");
  const auto bad = runProgram(SCRIPTRUN_PATH, {"--frobnicate", "x.exe"}, env);
  EXPECT_EQ(bad.status, 64);
  EXPECT_EQ(bad.out, "");
}

TEST_F(ScriptrunCommandLine, LauncherPassesArgumentsUnchanged) {
  const std::string exe = compile("args", "INFO [%1][%2][%3]\nINFO %0\n");
  env["QUILLAN_UNATTENDED"] = "";
  env["QUILLAN_SCRIPTRUN"] = SCRIPTRUN_PATH;
  const auto r = runProgram(exe, {"two  blanks", "\"quoted\"", "; rm -rf x"}, env);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "box\tinformation\tOK\tQuillan\t[two  blanks][\"quoted\"][; rm -rf x]\tOK\n"
            "box\tinformation\tOK\tQuillan\t" +
                exe + "\tOK\n");
}

TEST_F(ScriptrunCommandLine, RunTimeErrorIsTheExitStatus) {
  const std::string exe = compile("err", "REM one\nREM two\nINFO\n");
  const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", exe}, env);
  EXPECT_EQ(r.out, "box\texclamation\tOK\tQuillan\tRun time error   2\\rat line   3\tOK\n");
  EXPECT_EQ(r.status, 2);
}

TEST_F(ScriptrunCommandLine, AnswerFileThatCannotBeReadIsAUsageError) {
  const std::string exe = compile("a", "INFO x\n");
  const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended=" + dir + "/none.answers", exe}, env);
  EXPECT_EQ(r.status, 64);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("none.answers"), std::string::npos);
}

TEST_F(ScriptrunCommandLine, TraceGoesToStandardErrorOrToTheFileNamed) {
  const std::string script = compile("traced", "%A = 1\r\nWARN %A\r\nBOGUS\r\n%B = 2\r\n");
  const std::string expected = "1\t%A = 1\n2\tWARN %A\n3\tBOGUS\nerror\t1\n";
  const std::string box = "box\texclamation\tOK\tQuillan\tRun time error   1\\rat line   3\tOK\n";

  const auto toStderr = runProgram(SCRIPTRUN_PATH, {"--trace", "--unattended", script}, env);
  EXPECT_NE(toStderr.err.find(expected), std::string::npos) << toStderr.err;
  EXPECT_EQ(toStderr.status, 1);

  const std::string file = dir + "/trace.log";
  writeFileBytes(file, "what an earlier run left\n");
  const auto toFile = runProgram(SCRIPTRUN_PATH, {"--unattended", "--trace=" + file, script}, env);
  EXPECT_EQ(readFileBytes(file), expected);
  EXPECT_EQ(toFile.err.find("BOGUS"), std::string::npos);
  EXPECT_NE(toFile.out.find(box), std::string::npos) << toFile.out;
  EXPECT_EQ(toFile.status, 1);
}

TEST_F(ScriptrunCommandLine, TraceFileThatCannotBeWrittenIsAUsageError) {
  const std::string script = compile("untraced", "%A = 1\r\n");
  for (const std::string& file : {dir + "/no/such/dir/trace.log", dir}) {
    const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", "--trace=" + file, script}, env);
    EXPECT_EQ(r.status, 64) << file;
    EXPECT_NE(r.err.find("cannot write the trace to " + file), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace quillan::testing
