// A write that fails at any step, or a process that dies before the
// rename, leaves the old file whole and no temporary file behind.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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
}

}  // namespace
}  // namespace quillan::ini
