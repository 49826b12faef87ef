// Reading the files a user names: regular files only, up to the cap, and
// never a wait on a FIFO or an endless read of a device.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/RegularFile.h"

namespace quillan::posix {
namespace {

namespace fs = std::filesystem;

struct TempDir {
  fs::path path;
  TempDir() {
    char tmpl[] = "/tmp/quillan-posix-XXXXXX";
    if (::mkdtemp(tmpl) != nullptr) path = tmpl;
  }
  ~TempDir() { fs::remove_all(path); }
};

void writeFile(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

struct Row {
  const char* name;
  std::function<fs::path(const fs::path& dir)> make;
  int code;
  std::string contents;  // when code is 0
};

class ReadRegularFile : public ::testing::TestWithParam<Row> {};

TEST_P(ReadRegularFile, ReadsRegularFilesAndRefusesTheRest) {
  const Row& row = GetParam();
  TempDir dir;
  const fs::path path = row.make(dir.path);

  // Were the reader to wait for a FIFO's writer, this one comes after two
  // seconds and lets it go, so that the test fails instead of hanging.
  std::atomic<bool> done{false};
  std::thread rescuer([&] {
    for (int i = 0; i < 200 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (done) return;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  });
  std::string contents = "stale";
  const auto start = std::chrono::steady_clock::now();
  const int code = PosixFileSystem().readFile(path.string(), contents);
  const auto took = std::chrono::steady_clock::now() - start;
  done = true;
  rescuer.join();

  EXPECT_EQ(code, row.code) << std::strerror(code);
  if (row.code == 0) {
    EXPECT_EQ(contents, row.contents);
  }
  EXPECT_LT(took, std::chrono::seconds(1));
}

fs::path regular(const fs::path& dir, const std::string& bytes) {
  writeFile(dir / "script.exe", bytes);
  return dir / "script.exe";
}

// A file whose size is over the cap without taking the disk space.
fs::path sparse(const fs::path& dir, std::uint64_t size) {
  const fs::path p = dir / "big.exe";
  writeFile(p, "");
  fs::resize_file(p, size);
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Posix, ReadRegularFile,
    ::testing::Values(Row{"Regular", [](const fs::path& d) { return regular(d, std::string("a\0b\r\n", 5)); }, 0,
                          std::string("a\0b\r\n", 5)},
                      Row{"Empty", [](const fs::path& d) { return regular(d, ""); }, 0, ""},
                      Row{"LinkToRegular",
                          [](const fs::path& d) {
                            fs::create_symlink(regular(d, "through"), d / "link.exe");
                            return d / "link.exe";
                          },
                          0, "through"},
                      Row{"OverTheCap", [](const fs::path& d) { return sparse(d, kMaxScriptFileBytes + 1); }, EFBIG,
                          ""},
                      Row{"Missing", [](const fs::path& d) { return d / "missing.exe"; }, ENOENT, ""},
                      Row{"Directory",
                          [](const fs::path& d) {
                            fs::create_directory(d / "dir.exe");
                            return d / "dir.exe";
                          },
                          EISDIR, ""},
                      Row{"Fifo",
                          [](const fs::path& d) {
                            ::mkfifo((d / "fifo.exe").c_str(), 0600);
                            return d / "fifo.exe";
                          },
                          ENODEV, ""},
                      Row{"LinkToDevZero",
                          [](const fs::path& d) {
                            fs::create_symlink("/dev/zero", d / "zero.exe");
                            return d / "zero.exe";
                          },
                          ENODEV, ""},
                      Row{"CharacterDevice", [](const fs::path&) { return fs::path("/dev/null"); }, ENODEV, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadRegularFileCap, HoldsToTheCapGiven) {
  TempDir dir;
  const fs::path p = regular(dir.path, "12345");
  std::string contents;
  EXPECT_EQ(readRegularFile(p.string(), contents, 5), 0);
  EXPECT_EQ(contents, "12345");
  EXPECT_EQ(readRegularFile(p.string(), contents, 4), EFBIG);
}

TEST(ReadRegularFileCap, ErrorsAreDescribedForPeople) {
  EXPECT_EQ(describeReadError(EISDIR), "not a regular file");
  EXPECT_EQ(describeReadError(ENODEV), "not a regular file");
  EXPECT_EQ(describeReadError(EFBIG), "too large (more than 256 MB)");
  EXPECT_EQ(describeReadError(ENOENT), std::strerror(ENOENT));
}

}  // namespace
}  // namespace quillan::posix
