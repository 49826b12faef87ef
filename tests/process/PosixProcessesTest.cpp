// Real child processes: what arrives in them, what comes back, and what
// must never happen (a shell reading the arguments, a zombie, a hang).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process/PosixProcesses.h"
#include "platform/process/ProgramLookup.h"

namespace quillan::process {
namespace {

namespace fs = std::filesystem;
using os::Priority;
using os::ProgramOutcome;
using os::ProgramRequest;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::string& path, const std::string& text, bool executable = false) {
  std::ofstream(path, std::ios::binary) << text;
  if (executable) ::chmod(path.c_str(), 0755);
}

struct Processes : ::testing::Test {
  std::string dir;
  std::string recorder;  // a program that writes its arguments, one per line in brackets, to $dir/args

  Processes() {
    std::string pattern = fs::temp_directory_path().string() + "/quillan-process-XXXXXX";
    dir = ::mkdtemp(pattern.data());
    fs::create_directory(dir + "/my dir");
    recorder = dir + "/my dir/print args";
    writeFile(
        recorder,
        "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"" + dir + "/args\"\nexit \"${EXIT:-0}\"\n",
        true);
  }
  ~Processes() override { fs::remove_all(dir); }

  ProgramOutcome run(ProgramRequest request, bool wait = true, ProcessOptions options = {}) {
    PosixProcesses processes(std::move(options));
    return processes.run(request, wait, [] {});
  }
  static ProgramRequest request(std::string file, std::vector<std::string> arguments = {}) {
    ProgramRequest r;
    r.verb = "open";
    r.file = std::move(file);
    r.arguments = std::move(arguments);
    return r;
  }
  std::string recorded() { return readFile(dir + "/args"); }
};

TEST_F(Processes, ExitCodesComeBackThroughWait) {
  const std::pair<ProgramRequest, int> cases[] = {
      {request("true"), 0},
      {request("false"), 1},
      {request("sh", {"-c", "exit 42"}), 42},
      {request("sh", {"-c", "exit 255"}), 255},
      {request("sh", {"-c", "kill -9 $$"}), -1},  // ended by a signal
  };
  for (const auto& [r, code] : cases) {
    const ProgramOutcome outcome = run(r);
    EXPECT_TRUE(outcome.started) << r.arguments.size();
    EXPECT_EQ(outcome.exitCode, code) << (r.arguments.empty() ? r.file : r.arguments.back());
  }
}

TEST_F(Processes, ArgumentsArriveExactlyAsGivenAndNoShellSeesThem) {
  writeFile(dir + "/x", "keep me");
  ProgramRequest r = request(recorder, {"; rm -rf " + dir + "/x", "two  blanks", "$(touch " + dir + "/pwned)",
                                        "`touch " + dir + "/pwned`", "*", "", "\"q\""});
  const ProgramOutcome outcome = run(r);
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(recorded(), "[; rm -rf " + dir + "/x]\n[two  blanks]\n[$(touch " + dir + "/pwned)]\n[`touch " + dir +
                            "/pwned`]\n[*]\n[]\n[\"q\"]\n");
  EXPECT_TRUE(fs::exists(dir + "/x"));
  EXPECT_FALSE(fs::exists(dir + "/pwned"));
}

TEST_F(Processes, ProgramsAreFoundByPathWithBlanksRelativeAndWithBackslashes) {
  const std::string relativeToHere = fs::relative(recorder).string();
  const std::pair<ProgramRequest, const char*> cases[] = {
      {request(recorder, {"a"}), "absolute path with a blank"},
      {request(relativeToHere, {"a"}), "relative to the current directory"},
      {[&] {
         ProgramRequest r = request("my dir\\print args", {"a"});
         r.directory = dir;
         return r;
       }(),
       "relative to the working directory, written with a backslash"},
  };
  for (const auto& [r, what] : cases) {
    fs::remove(dir + "/args");
    const ProgramOutcome outcome = run(r);
    EXPECT_TRUE(outcome.started) << what;
    EXPECT_EQ(recorded(), "[a]\n") << what;
  }
}

TEST_F(Processes, WorkingDirectoryIsTheProgramsCurrentDirectory) {
  ProgramRequest r = request("sh", {"-c", "pwd > pwd.txt"});
  r.directory = dir + "/my dir";
  EXPECT_EQ(run(r).exitCode, 0);
  EXPECT_EQ(readFile(dir + "/my dir/pwd.txt"), fs::canonical(dir + "/my dir").string() + "\n");
}

TEST_F(Processes, WhatCannotStartIsReportedNotStarted) {
  ProgramRequest badDirectory = request("true");
  badDirectory.directory = dir + "/missing";
  writeFile(dir + "/plain.txt", "text");
  ProgramRequest plainWithoutOpener = request(dir + "/plain.txt");
  const std::pair<ProgramRequest, const char*> cases[] = {
      {request("quillan-no-such-program"), "not on PATH"},
      {request(dir + "/missing/program"), "missing path"},
      {request(""), "empty name"},
      {badDirectory, "working directory missing"},
      {plainWithoutOpener, "document without an opener"},
  };
  for (const auto& [r, what] : cases) {
    for (const bool wait : {true, false}) {
      const ProgramOutcome outcome = run(r, wait, ProcessOptions{dir + "/no-opener", false});
      EXPECT_FALSE(outcome.started) << what << (wait ? " (waiting)" : "");
    }
  }
}

TEST_F(Processes, WaitingTicksAboutEvery100Milliseconds) {
  PosixProcesses processes;
  int ticks = 0;
  const auto start = std::chrono::steady_clock::now();
  const ProgramOutcome outcome = processes.run(request("sleep", {"0.45"}), true, [&] { ++ticks; });
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_GE(ticks, 3);
  EXPECT_LE(ticks, 5);
  EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
}

TEST_F(Processes, WithoutWaitReturnsAtOnceAndLeavesNoChildToReap) {
  PosixProcesses processes;
  int ticks = 0;
  const auto start = std::chrono::steady_clock::now();
  const ProgramOutcome outcome = processes.run(request("sleep", {"2"}), false, [&] { ++ticks; });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(ticks, 0);
  // The program belongs to init, not to us: nothing can become a zombie.
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(Priorities, MapToNiceValues) {
  EXPECT_EQ(niceValueFor(Priority::High), -10);
  EXPECT_EQ(niceValueFor(Priority::Realtime), -20);
  EXPECT_EQ(niceValueFor(Priority::Idle), 19);
  EXPECT_EQ(niceValueFor(Priority::Normal), kKeepNice);
}

TEST_F(Processes, ProgramRunsAtTheNiceValueOfItsPriority) {
  errno = 0;
  const int own = ::getpriority(PRIO_PROCESS, 0);
  std::vector<std::pair<Priority, int>> cases = {{Priority::Normal, own}, {Priority::Idle, 19}};
  if (::geteuid() == 0) {
    cases.push_back({Priority::High, -10});
    cases.push_back({Priority::Realtime, -20});
  }
  for (const auto& [priority, nice] : cases) {
    ProgramRequest r = request("sh", {"-c", "nice > \"$0\"", dir + "/nice"});
    r.priority = priority;
    const ProgramOutcome outcome = run(r);
    EXPECT_TRUE(outcome.priorityApplied) << nice;
    EXPECT_EQ(readFile(dir + "/nice"), std::to_string(nice) + "\n");
  }
}

// Without the privilege, a raised priority is refused: the program still
// runs, at the normal priority, and the refusal is reported.
TEST_F(Processes, RefusedPriorityStillRunsTheProgram) {
  const auto check = [] {
    PosixProcesses processes;
    ProgramRequest r = request("sh", {"-c", "exit 5"});
    r.priority = Priority::High;
    const ProgramOutcome outcome = processes.run(r, true, [] {});
    return outcome.started && !outcome.priorityApplied && outcome.exitCode == 5;
  };
  if (::geteuid() != 0) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NICE, &limit) == 0 && limit.rlim_cur >= 30) GTEST_SKIP() << "this user may raise priorities";
    EXPECT_TRUE(check());
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(Processes, DocumentsFoldersAndAddressesGoToTheOpener) {
  writeFile(dir + "/notes.txt", "text");
  writeFile(dir + "/marked.txt", "not a program", true);  // executable bit, no program format
  struct Case {
    std::string verb, file, expected;
  };
  const Case cases[] = {
      {"open", dir + "/notes.txt", "[" + dir + "/notes.txt]\n"},
      {"", dir + "/notes.txt", "[" + dir + "/notes.txt]\n"},
      {"OPEN", dir + "\\notes.txt", "[" + dir + "/notes.txt]\n"},
      {"open", dir, "[" + dir + "]\n"},
      {"open", "https://example.org/a b", "[https://example.org/a b]\n"},
      {"open", dir + "/marked.txt", "[" + dir + "/marked.txt]\n"},
  };
  for (const Case& c : cases) {
    fs::remove(dir + "/args");
    ProgramRequest r = request(c.file, {"not", "passed"});
    r.verb = c.verb;
    const ProgramOutcome outcome = run(r, true, ProcessOptions{recorder, false});
    EXPECT_TRUE(outcome.started) << c.file;
    EXPECT_EQ(outcome.exitCode, 0) << c.file;
    EXPECT_EQ(recorded(), c.expected) << c.file;
  }
}

TEST_F(Processes, RelativeDocumentIsOpenedByItsFullPath) {
  writeFile(dir + "/my dir/notes.txt", "text");
  ProgramRequest r = request("notes.txt");
  r.directory = dir + "/my dir";
  EXPECT_TRUE(run(r, true, ProcessOptions{recorder, false}).started);
  EXPECT_EQ(recorded(), "[" + dir + "/my dir/notes.txt]\n");
}

TEST_F(Processes, UnknownVerbAndFailingOpenerAreFailures) {
  writeFile(dir + "/notes.txt", "text");
  ProgramRequest print = request(dir + "/notes.txt");
  print.verb = "print";
  EXPECT_FALSE(run(print, true, ProcessOptions{recorder, false}).started);
  ProgramRequest edit = request("true");
  edit.verb = "edit";
  EXPECT_FALSE(run(edit).started);
  EXPECT_FALSE(fs::exists(dir + "/args"));

  ::setenv("EXIT", "4", 1);
  const ProgramOutcome failed = run(request(dir + "/notes.txt"), true, ProcessOptions{recorder, false});
  ::unsetenv("EXIT");
  EXPECT_FALSE(failed.started);
}

// In unattended mode standard output is the transcript: what a program
// prints must not land in it.
TEST_F(Processes, OutputCanBeKeptOffStandardOutput) {
  std::fflush(stdout);
  std::fflush(stderr);
  const int savedOut = ::dup(STDOUT_FILENO);
  const int savedErr = ::dup(STDERR_FILENO);
  const int out = ::open((dir + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = ::open((dir + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  const ProgramOutcome outcome =
      run(request("sh", {"-c", "echo to-out; echo to-err >&2"}), true, ProcessOptions{"xdg-open", true});
  ::dup2(savedOut, STDOUT_FILENO);
  ::dup2(savedErr, STDERR_FILENO);
  for (const int fd : {savedOut, savedErr, out, err}) ::close(fd);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(readFile(dir + "/out"), "");
  EXPECT_EQ(readFile(dir + "/err"), "to-out\nto-err\n");
}

TEST(Lookup, WebAddressesNeedASchemeLongerThanADriveLetter) {
  EXPECT_TRUE(looksLikeWebAddress("https://example.org"));
  EXPECT_TRUE(looksLikeWebAddress("mailto:someone@example.org"));
  EXPECT_FALSE(looksLikeWebAddress("C:\\dir\\file.txt"));
  EXPECT_FALSE(looksLikeWebAddress("notes.txt"));
  EXPECT_FALSE(looksLikeWebAddress("1x:y"));
}

TEST(Lookup, PathSearchSkipsWhatIsNotAnExecutableFile) {
  EXPECT_EQ(findOnPath("sh", "/nonexistent:/bin"), "/bin/sh");
  EXPECT_EQ(findOnPath("sh", "/nonexistent"), "");
  EXPECT_EQ(findOnPath("bin", "/"), "");        // a directory is no program
  EXPECT_EQ(findOnPath("passwd", "/etc"), "");  // not executable
  EXPECT_EQ(findOnPath("bin/sh", "/"), "");     // names with a "/" are not searched for
}

}  // namespace
}  // namespace quillan::process
