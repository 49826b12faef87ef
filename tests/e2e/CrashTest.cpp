// A scriptrun writing the default INI file and the registry store in a loop
// is killed (SIGKILL) at a random point, 200 times. After each kill the INI
// file must be whole (every line one the script writes, the old or the new
// value of each key) with every key a transcript line reported as written,
// and the registry store must open cleanly, pass SQLite's integrity check
// and hold the same keys.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "ProcessRunner.h"
#include "platform/registry/SqliteRegistry.h"

extern char** environ;

namespace quillan::testing {
namespace {

constexpr int kRounds = 200;
// Each round waits for at most this many transcript lines before its kill.
constexpr int kMaxLinesBeforeKill = 8;

std::size_t countLines(const std::string& path) {
  std::size_t lines = 0;
  for (char c : readFileBytes(path)) lines += c == '\n';
  return lines;
}

// Starts scriptrun on the writer script with the round as %1, waits until
// it has reported `lines` iterations (or has run a while), lets it run a
// random few hundred microseconds more and kills it. The number of
// iterations its transcript reports as done.
int runAndKill(const std::string& dir, int round, int lines, int extraMicros) {
  const std::string out = dir + "/out.txt";
  // The run's home, configuration and store are in dir, which is also its
  // current directory.
  std::vector<std::string> env = {"HOME=" + dir, "XDG_CONFIG_HOME=" + dir + "/.config",
                                  "QUILLAN_REGISTRY=" + dir + "/registry.db"};
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (entry.rfind("HOME=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
        entry.rfind("QUILLAN_REGISTRY=", 0) != 0)
      env.push_back(entry);
  }
  std::vector<char*> envp;
  for (std::string& entry : env) envp.push_back(entry.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const std::string script = dir + "/writer.exe", roundText = std::to_string(round);
  std::vector<char*> argv = {const_cast<char*>(SCRIPTRUN_PATH), const_cast<char*>("--unattended"),
                             const_cast<char*>(script.c_str()), const_cast<char*>(roundText.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, SCRIPTRUN_PATH, &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0);
  if (spawned != 0) return 0;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (countLines(out) < std::size_t(lines) && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  std::this_thread::sleep_for(std::chrono::microseconds(extraMicros));
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return int(countLines(out));
}

std::string integrityOf(const std::string& store) {
  sqlite3* db = nullptr;
  std::string result = "cannot open";
  if (sqlite3_open_v2(store.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
      result = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    sqlite3_finalize(s);
  }
  sqlite3_close(db);
  return result;
}

// The INI file's keys K<i> and their values; false when a line is not one
// the writer script could have produced (a torn or mixed file).
bool readIni(const std::string& text, std::map<int, int>& values, std::string& bad) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line == "[Program\\writer\\Crash]") continue;
    int key = 0, value = 0, used = 0;
    if (std::sscanf(line.c_str(), "K%d=%d%n", &key, &value, &used) != 2 || std::size_t(used) != line.size() ||
        values.count(key)) {
      bad = line;
      return false;
    }
    values[key] = value;
  }
  return true;
}

TEST(CrashSafety, KilledWritersLeaveWholeFilesWithEveryCommittedKey) {
  const std::string dir = makeTempDir();
  writeFileBytes(dir + "/writer.qs",
                 "%I = 0\n"
                 "REPEAT\n"
                 "%I = @succ(%I)\n"
                 "INIFILE WRITE,Crash,K%I,%1\n"
                 "REGISTRY WRITE,CURUSER,Software\\Crash,K%I,%1\n"
                 "INFO %I\n"
                 "UNTIL @equal(%I,100000)\n");
  const auto compiled = runProgram(QUILLANC_PATH, {dir + "/writer.qs", "-o", dir + "/writer.exe"});
  ASSERT_EQ(compiled.status, 0) << compiled.err;
  const std::string store = dir + "/registry.db";
  const std::string ini = dir + "/.config/quillan/QN16.INI";

  std::mt19937 random(20261209);
  int everCommitted = 0;  // keys K1.. that some round reported written
  for (int round = 1; round <= kRounds; ++round) {
    const int lines = std::uniform_int_distribution<int>(0, kMaxLinesBeforeKill)(random);
    const int done = runAndKill(dir, round, lines, std::uniform_int_distribution<int>(0, 3000)(random));
    everCommitted = std::max(everCommitted, done);
    SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(done) + " iterations reported");

    std::map<int, int> values;
    std::string bad;
    ASSERT_TRUE(everCommitted == 0 || std::filesystem::exists(ini));
    ASSERT_TRUE(readIni(std::filesystem::exists(ini) ? readFileBytes(ini) : std::string(), values, bad))
        << "a line no writer wrote: " << bad;
    ASSERT_EQ(integrityOf(store), "ok");
    reg::SqliteRegistry registry(store);
    reg::Handle key = 0;
    if (everCommitted > 0) {
      ASSERT_EQ(registry.openKey(reg::CurrentUser, "Software\\Crash", key), reg::Success);
    }
    for (int i = 1; i <= everCommitted; ++i) {
      ASSERT_TRUE(values.count(i)) << "K" << i << " lost from the INI file";
      // This round's iterations wrote this round's value; later keys keep
      // an earlier round's (or this round's, written but not yet reported).
      if (i <= done) {
        ASSERT_EQ(values[i], round) << "K" << i;
      } else {
        ASSERT_LE(values[i], round) << "K" << i;
      }
      char data[16] = {};
      std::uint32_t size = sizeof data - 1;
      ASSERT_EQ(
          registry.queryValue(key, "K" + std::to_string(i), nullptr, reinterpret_cast<std::uint8_t*>(data), &size),
          reg::Success)
          << "K" << i << " lost from the registry";
      const int stored = std::atoi(data);
      if (i <= done) {
        ASSERT_EQ(stored, round) << "K" << i;
      } else {
        ASSERT_LE(stored, round) << "K" << i;
      }
    }
    if (key != 0) registry.closeKey(key);
  }
  EXPECT_GT(everCommitted, 0) << "no run ever got as far as a write";
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quillan::testing
