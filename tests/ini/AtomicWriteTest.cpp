// A write that fails at any step, or a process that dies before the
// rename, leaves the old file whole; a failed write leaves no temporary file
// behind, and the next write removes the one a dead writer left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/ini/ProfileFile.h"
#include "platform/ini/WriteFaults.h"

namespace quillan::ini {
namespace {

using faults::WriteStep;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const std::string kOld = "; keep me\r\n[s]\r\nk=old\r\n";

struct FaultCase {
  const char* name;
  WriteStep step;
  int error;
};

class FailedReplacement : public ::testing::TestWithParam<FaultCase> {
 protected:
  void TearDown() override { faults::disarm(); }
};

TEST_P(FailedReplacement, KeepsTheOldFileAndRemovesTheTemporary) {
  const FaultCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.file("rules.ini");
  writeBytes(path, kOld);
  ProfileFile ini(path);

  faults::arm(c.step, c.error);
  EXPECT_FALSE(ini.writeString("s", "k", "new"));
  EXPECT_NE(ini.lastError().find(path), std::string::npos) << ini.lastError();
  EXPECT_NE(ini.lastError().find(std::strerror(c.error)), std::string::npos) << ini.lastError();
  EXPECT_EQ(readBytes(path), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"rules.ini"});
  EXPECT_EQ(ini.getString("s", "k", ""), "old") << "the cache still describes the file";

  EXPECT_TRUE(ini.writeString("s", "k", "new")) << "the next write works";
  EXPECT_TRUE(ini.lastError().empty());
  EXPECT_EQ(readBytes(path), "; keep me\r\n[s]\r\nk=new\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ini, FailedReplacement,
                         ::testing::Values(FaultCase{"CreateTemp", WriteStep::CreateTemp, EACCES},
                                           FaultCase{"WriteTemp", WriteStep::WriteTemp, ENOSPC},
                                           FaultCase{"SyncTemp", WriteStep::SyncTemp, EIO},
                                           FaultCase{"Rename", WriteStep::Rename, EXDEV}),
                         [](const auto& info) { return std::string(info.param.name); });

// An unsynced replacement has no flush step to fail; it is as atomic as a
// synced one for every reader.
TEST(UnsyncedReplacement, SkipsTheFlushAndStillReplacesWhole) {
  TempDir dir;
  const std::string path = dir.file("rules.ini");
  writeBytes(path, kOld);
  faults::arm(WriteStep::SyncTemp, EIO);
  const ReplaceResult unsynced = replaceFileAtomically(path, "new", Durability::Unsynced);
  EXPECT_TRUE(unsynced.ok) << unsynced.error;
  EXPECT_EQ(readBytes(path), "new");
  const ReplaceResult synced = replaceFileAtomically(path, "newer");
  EXPECT_FALSE(synced.ok) << "the armed flush fault fires on the next synced write";
  EXPECT_EQ(readBytes(path), "new");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"rules.ini"});
  faults::disarm();
  syncFile(path);
}

TEST(CrashedReplacement, ProcessDyingBeforeRenameLeavesOldFile) {
  TempDir dir;
  const std::string path = dir.file("rules.ini");
  writeBytes(path, kOld);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ProfileFile ini(path);
    faults::arm(WriteStep::Rename, 0, faults::Action::EndProcess);
    ini.writeString("s", "k", "new");
    ::_exit(1);  // not reached when the fault point ends the process
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << "the fault point did not fire";

  EXPECT_EQ(readBytes(path), kOld);
  // The synced temporary file is what a crash leaves: complete, and ignored.
  const std::vector<std::string> left = dir.entries();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(readBytes(dir.file(left[0] == "rules.ini" ? left[1] : left[0])), "; keep me\r\n[s]\r\nk=new\r\n");
  ProfileFile after(path);
  EXPECT_EQ(after.getString("s", "k", ""), "old");
  EXPECT_TRUE(after.writeString("s", "k", "newer"));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"rules.ini"}) << "the next write removes the dead writer's file";
}

// A process that has ended and been reaped: its id names no process now.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(CrashedReplacement, NextWriteRemovesOnlyDeadWritersTemporariesOfTheSameFile) {
  TempDir dir;
  const std::string path = dir.file("rules.ini");
  writeBytes(path, kOld);
  const std::string dead = std::to_string(endedProcess());
  const pid_t sleeper = ::fork();
  ASSERT_GE(sleeper, 0);
  if (sleeper == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string alive = std::to_string(sleeper);

  struct Row {
    std::string name;
    bool removed;
  };
  const std::vector<Row> rows = {
      {"rules.ini.~" + dead + "-0-123456789", true},
      {"rules.ini.~" + dead + "-17-5", true},
      {"rules.ini.~" + alive + "-0-1", false},  // a writer still at work
      {"other.ini.~" + dead + "-0-1", false},   // another file's
      {"rules.ini.bak.~" + dead + "-0-1", false},
      {"rules.ini.~" + dead + "-0", false},  // not a name we make
      {"rules.ini.~" + dead + "-0-1.keep", false},
      {"rules.ini.~" + dead + "-x-1", false},
      {"rules.ini.~-" + dead + "-0-1", false},
      {"rules.ini.~0-0-1", false},  // 0 would ask about our whole process group
      {"rules.ini.~99999999999999999999-0-1", false},
      {"rules.ini~" + dead + "-0-1", false},
  };
  for (const Row& r : rows) writeBytes(dir.file(r.name), "x");

  EXPECT_TRUE(ProfileFile(path).writeString("s", "k", "new"));
  ::kill(sleeper, SIGKILL);
  ::waitpid(sleeper, nullptr, 0);

  std::vector<std::string> expected{"rules.ini"};
  for (const Row& r : rows)
    if (!r.removed) expected.push_back(r.name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(dir.entries(), expected);
}

// Writers killed at random moments: the file is always the old or a new
// version, and at most the last writer's temporary file is left over,
// because each writer removes those of the ones before it.
TEST(CrashedReplacement, WritersKilledAtRandomMomentsLeaveAWholeFileAndNoPileOfTemporaries) {
  constexpr int kKills = 200;
  TempDir dir;
  const std::string path = dir.file("rules.ini");
  writeBytes(path, kOld);
  const std::string a(3000, 'a'), b(5000, 'b');
  std::mt19937 random(std::random_device{}());
  int killedWithTemporary = 0;
  for (int round = 0; round < kKills; ++round) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      ProfileFile ini(path);
      for (int i = 0;; ++i) ini.writeString("s", "k", i % 2 ? a : b);
    }
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);

    const std::vector<std::string> left = dir.entries();
    ASSERT_LE(left.size(), 2u) << "round " << round;
    killedWithTemporary += left.size() == 2;
    const std::string value = ProfileFile(path).getString("s", "k", "", 100000);
    ASSERT_TRUE(value == "old" || value == a || value == b) << "round " << round << ": " << value.size() << " bytes";
  }
  EXPECT_TRUE(ProfileFile(path).writeString("s", "k", "last"));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"rules.ini"});
  std::cout << kKills << " writers killed, " << killedWithTemporary << " left a temporary file, all removed\n";
}

}  // namespace
}  // namespace quillan::ini
