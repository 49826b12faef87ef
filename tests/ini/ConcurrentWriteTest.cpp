// Two processes that edit different keys of one file at the same time: the
// lock around read, change and rename must keep every edit of both.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/ini/ProfileFile.h"
#include "tests/ini/TempDir.h"

namespace quillan::ini {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

constexpr int kRounds = 1000;

// In a child: writes kRounds keys named prefix0, prefix1, ... and exits
// with the number of writes that failed (at most 1, so the status fits).
pid_t startWriter(const std::string& path, const std::string& prefix) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  ProfileFile file(path);
  int failed = 0;
  for (int i = 0; i < kRounds; ++i)
    if (!file.writeString("shared", prefix + std::to_string(i), std::to_string(i))) failed = 1;
  ::_exit(failed);
}

TEST(ConcurrentWrites, TwoProcessesLoseNoKey) {
  TempDir dir;
  const std::string path = dir.file("shared.ini");
  writeBytes(path, "; kept\r\n[shared]\r\nfirst=1\r\n");
  const pid_t a = startWriter(path, "a");
  const pid_t b = startWriter(path, "b");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  for (const pid_t pid : {a, b}) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
  }
  ProfileFile file(path);
  int missing = 0;
  for (int i = 0; i < kRounds; ++i)
    for (const char* prefix : {"a", "b"})
      if (file.getString("shared", prefix + std::to_string(i), "") != std::to_string(i)) ++missing;
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(file.getString("shared", "first", ""), "1");
  EXPECT_EQ(readBytes(path).rfind("; kept\r\n[shared]\r\nfirst=1\r\n", 0), 0u);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"shared.ini"});  // no temporary file left
}

}  // namespace
}  // namespace quillan::ini
