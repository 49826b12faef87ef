// The registry store against files and processes it does not control: other
// programs' databases (refused, not a byte written), stores of earlier
// versions (taken and marked), locks held by another process (reads do not
// wait long), and writers killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/registry/SqliteRegistry.h"

namespace quillan::reg {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int64_t kOurMark = 0x51524547;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs sql on its own connection, as another program would.
void rawExec(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

std::int64_t rawInteger(const fs::path& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_stmt* s = nullptr;
  std::int64_t value = -1;
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK && sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK &&
      sqlite3_step(s) == SQLITE_ROW)
    value = sqlite3_column_int64(s, 0);
  sqlite3_finalize(s);
  sqlite3_close(db);
  return value;
}

std::string rawText(const fs::path& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_stmt* s = nullptr;
  std::string text;
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK && sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK &&
      sqlite3_step(s) == SQLITE_ROW)
    text = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
  sqlite3_finalize(s);
  sqlite3_close(db);
  return text;
}

class RegistryHostile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/quillan-reg-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir = tmpl;
    file = dir / "registry.db";
  }
  void TearDown() override { fs::remove_all(dir); }

  // A store of ours holding HKCU\Settings\Top = 42.
  void makeStore() {
    SqliteRegistry mine(file.string());
    Handle h = 0;
    ASSERT_EQ(mine.createKey(CurrentUser, "Settings", h), Success);
    const std::uint32_t top = 42;
    ASSERT_EQ(mine.setValue(h, "Top", Dword, reinterpret_cast<const std::uint8_t*>(&top), 4), Success);
  }

  // Reads HKCU\Settings\Top the way the runtime reads a setting.
  static Status readTop(SqliteRegistry& registry, std::uint32_t& top) {
    Handle h = 0;
    if (Status s = registry.openKey(CurrentUser, "Settings", h); s != Success) return s;
    std::uint32_t size = 4;
    Status s = registry.queryValue(h, "Top", nullptr, reinterpret_cast<std::uint8_t*>(&top), &size);
    registry.closeKey(h);
    return s;
  }

  // A process that has run sql on the file and holds on to it until killed.
  pid_t holdWith(const std::string& sql) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(ready[0]);
      sqlite3* db = nullptr;
      const bool ok = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
      const char answer = ok ? 'y' : 'n';
      [[maybe_unused]] ssize_t ignored = ::write(ready[1], &answer, 1);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    EXPECT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y') << "the holder could not take its lock";
    ::close(ready[0]);
    return pid;
  }
  static void release(pid_t holder) {
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
  }

  fs::path dir;
  fs::path file;
};

struct ForeignCase {
  const char* name;
  std::string sql;     // makes the file
  const char* reason;  // a word of the refusal
};

class ForeignDatabase : public RegistryHostile, public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(ForeignDatabase, IsRefusedWithoutWritingAByte) {
  const ForeignCase& c = GetParam();
  if (c.sql.rfind("TEXT:", 0) == 0)
    std::ofstream(file, std::ios::binary) << c.sql.substr(5);
  else
    rawExec(file, c.sql);
  const std::string before = readFile(file);
  ASSERT_FALSE(before.empty());

  std::vector<std::string> reports;
  {
    SqliteRegistry registry(file.string());
    registry.onRefused([&](const std::string& why) { reports.push_back(why); });
    Handle h = 0;
    std::uint32_t size = 0, top = 0;
    std::string name;
    const Bytes data{1, 2, 3};
    EXPECT_EQ(registry.createKey(CurrentUser, "Settings", h), StoreFailure);
    EXPECT_EQ(registry.setValue(CurrentUser, "v", Binary, data.data(), 3), StoreFailure);
    EXPECT_EQ(readTop(registry, top), StoreFailure);
    EXPECT_EQ(registry.queryValue(CurrentUser, "v", nullptr, nullptr, &size), StoreFailure);
    EXPECT_EQ(registry.enumKey(CurrentUser, 0, name), StoreFailure);
    EXPECT_EQ(registry.deleteValue(CurrentUser, "v"), StoreFailure);
    EXPECT_EQ(registry.deleteKey(CurrentUser, "Settings"), StoreFailure);
    EXPECT_NE(registry.refusal().find(file.string()), std::string::npos) << registry.refusal();
    EXPECT_NE(registry.refusal().find(c.reason), std::string::npos) << registry.refusal();
    EXPECT_EQ(readFile(file), before) << "while open";
  }
  EXPECT_EQ(readFile(file), before) << "after closing";
  ASSERT_EQ(reports.size(), 1u) << "said once";
  EXPECT_NE(reports[0].find(file.string()), std::string::npos);
}

const std::string kOurTables =
    "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent, name, folded);"
    "CREATE TABLE vals(key, folded, name, type, data, seq);";

INSTANTIATE_TEST_SUITE_P(
    Registry, ForeignDatabase,
    ::testing::Values(
        ForeignCase{"OtherTables", "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('mine');", "another program"},
        ForeignCase{"OtherTablesAtOurVersion", "CREATE TABLE notes(t); PRAGMA user_version = 1;", "another program"},
        ForeignCase{"OurTablesAndMore", kOurTables + "CREATE TABLE extra(x); PRAGMA user_version = 1;",
                    "another program"},
        ForeignCase{"OurTablesWithoutVersion", kOurTables, "another program"},
        ForeignCase{"AnotherProgramsMark", kOurTables + "PRAGMA user_version = 1; PRAGMA application_id = 1234;",
                    "another program"},
        ForeignCase{"EmptyButMarkedByAnother", "PRAGMA application_id = 77;", "another program"},
        ForeignCase{"WriteAheadLogged", "PRAGMA journal_mode = WAL; CREATE TABLE t(x); INSERT INTO t VALUES(1);",
                    "another program"},
        ForeignCase{"NewerStoreOfOurs",
                    kOurTables + "PRAGMA user_version = 2; PRAGMA application_id = " + std::to_string(kOurMark),
                    "(newer) version"},
        ForeignCase{"NotSqlite", "TEXT:[section]\nkey=value\n", "not an SQLite database"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryHostile, NewAndEmptyFilesBecomeMarkedStores) {
  for (bool existsEmpty : {false, true}) {
    fs::remove(file);
    if (existsEmpty) std::ofstream{file};
    makeStore();
    EXPECT_EQ(rawInteger(file, "PRAGMA application_id"), kOurMark) << existsEmpty;
    EXPECT_EQ(rawInteger(file, "PRAGMA user_version"), 1) << existsEmpty;
  }
}

TEST_F(RegistryHostile, StoreOfTheEarlierVersionIsTakenAndMarked) {
  makeStore();
  rawExec(file, "PRAGMA application_id = 0");  // as the earlier version left it
  ASSERT_EQ(rawInteger(file, "PRAGMA application_id"), 0);

  SqliteRegistry registry(file.string());
  std::uint32_t top = 0;
  EXPECT_EQ(readTop(registry, top), Success);
  EXPECT_EQ(top, 42u);
  EXPECT_TRUE(registry.refusal().empty());
  EXPECT_EQ(rawInteger(file, "PRAGMA application_id"), kOurMark);
}

TEST_F(RegistryHostile, AnotherProcessWritingDoesNotHoldUpReads) {
  makeStore();
  const pid_t holder = holdWith("BEGIN IMMEDIATE; UPDATE vals SET type = type;");
  SqliteRegistry registry(file.string());
  const auto start = Clock::now();
  for (int i = 0; i < 5; ++i) {
    std::uint32_t top = 0;
    EXPECT_EQ(readTop(registry, top), Success);
    EXPECT_EQ(top, 42u);
  }
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
  release(holder);
}

TEST_F(RegistryHostile, StoreLockedAgainstReadersCostsReadsAboutASecondInAll) {
  makeStore();
  const pid_t holder =
      holdWith("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE vals SET type = type; COMMIT;");
  SqliteRegistry registry(file.string());
  const auto start = Clock::now();
  for (int i = 0; i < 8; ++i) {
    std::uint32_t top = 0;
    EXPECT_EQ(readTop(registry, top), StoreFailure);
  }
  const auto waited = Clock::now() - start;
  EXPECT_LT(waited, std::chrono::milliseconds(1600));
  EXPECT_TRUE(registry.refusal().empty()) << "a lock is no reason to refuse the store";
  release(holder);

  std::uint32_t top = 0;
  EXPECT_EQ(readTop(registry, top), Success) << "reads work again once the lock is gone";
  EXPECT_EQ(top, 42u);
}

// A value written by a killed writer: round, write number, then filler whose
// length and byte follow from those two, so a torn value cannot pass.
Bytes pattern(std::uint32_t round, std::uint32_t write) {
  Bytes data(8 + 100 + (write * 397) % 6000, std::uint8_t(round * 31 + write));
  std::memcpy(data.data(), &round, 4);
  std::memcpy(data.data() + 4, &write, 4);
  return data;
}

TEST_F(RegistryHostile, WritersKilledAtRandomMomentsLeaveEachValueOldOrNew) {
  constexpr int kKills = 200, kValues = 5;
  const auto name = [](int v) { return "v" + std::to_string(v); };
  {
    SqliteRegistry mine(file.string());
    Handle h = 0;
    ASSERT_EQ(mine.createKey(CurrentUser, "Kill", h), Success);
    const Bytes first = pattern(0, 0);
    for (int v = 0; v < kValues; ++v)
      ASSERT_EQ(mine.setValue(h, name(v), Binary, first.data(), std::uint32_t(first.size())), Success);
  }
  std::mt19937 random(std::random_device{}());
  std::vector<std::pair<std::uint32_t, std::uint32_t>> last(kValues, {0, 0});
  int changedRounds = 0;
  for (std::uint32_t round = 1; round <= kKills; ++round) {
    // Every other writer is killed at a moment counted from its start (it
    // may still be opening the store), the others once they are writing.
    const bool fromFirstWrite = round % 2 == 0;
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      ::close(started[0]);
      SqliteRegistry mine(file.string());
      Handle h = 0;
      mine.openKey(CurrentUser, "Kill", h);
      for (std::uint32_t write = 1;; ++write) {
        const Bytes data = pattern(round, write);
        mine.setValue(h, name(int(write % kValues)), Binary, data.data(), std::uint32_t(data.size()));
        if (write == 1 && ::write(started[1], "w", 1) != 1) ::_exit(1);
      }
    }
    ::close(started[1]);
    char signal = 0;
    if (fromFirstWrite) {
      ASSERT_EQ(::read(started[0], &signal, 1), 1) << "round " << round << ": the writer never wrote";
    }
    ::usleep(std::uniform_int_distribution<useconds_t>(0, fromFirstWrite ? 5000 : 20000)(random));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    ::close(started[0]);

    SqliteRegistry after(file.string());  // as the next run finds it
    Handle h = 0;
    ASSERT_EQ(after.openKey(CurrentUser, "Kill", h), Success) << "round " << round;
    bool changed = false;
    for (int v = 0; v < kValues; ++v) {
      std::uint32_t size = 0;
      ASSERT_EQ(after.queryValue(h, name(v), nullptr, nullptr, &size), Success);
      Bytes data(size);
      ASSERT_EQ(after.queryValue(h, name(v), nullptr, data.data(), &size), Success);
      ASSERT_GE(size, 8u);
      std::uint32_t r = 0, w = 0;
      std::memcpy(&r, data.data(), 4);
      std::memcpy(&w, data.data() + 4, 4);
      ASSERT_EQ(data, pattern(r, w)) << "round " << round << ": " << name(v) << " is torn";
      ASSERT_LE(r, round);
      ASSERT_GE(std::make_pair(r, w), last[v]) << "round " << round << ": " << name(v) << " went back";
      changed = changed || std::make_pair(r, w) != last[v];
      last[v] = {r, w};
    }
    changedRounds += changed;
    ASSERT_EQ(rawText(file, "PRAGMA integrity_check"), "ok") << "round " << round;
  }
  std::cout << kKills << " writers killed; in " << changedRounds
            << " rounds the store held new values, every value whole and none older than before\n";
}

}  // namespace
}  // namespace quillan::reg
