// quillanc and scriptrun given what is not a script: a directory, a FIFO, a
// link to an endless device, a file far too large. Each is refused at once
// with a clear error, and nothing waits or fills the memory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <thread>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

struct Hostile {
  const char* name;
  std::function<void(const std::string& path)> make;
  const char* quillancSays;
  const char* scriptrunSays;
};

const std::uint64_t kOverTheCap = std::uint64_t{300} * 1024 * 1024;

const Hostile kHostile[] = {
    {"directory", [](const std::string& p) { fs::create_directory(p); }, "not a regular file", "Not a regular file"},
    {"FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, "not a regular file", "Not a regular file"},
    {"link to /dev/zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }, "not a regular file",
     "Not a regular file"},
    {"file over the cap",
     [](const std::string& p) {
       writeFileBytes(p, "");
       fs::resize_file(p, kOverTheCap);  // sparse: no disk space taken
     },
     "too large (more than 256 MB)", "File is too large (over 256 MB)"},
};

// Runs a program that may open `path`. Were it to wait there for a FIFO's
// writer, a writer comes after three seconds and closes at once, so that
// the test fails instead of hanging; `rescued` tells that one was needed (a
// writer's non-blocking open succeeds only while a reader waits).
ProcessResult runGuarded(const std::string& program, const std::vector<std::string>& args, const std::string& path,
                         const std::map<std::string, std::string>& env, bool& rescued) {
  std::atomic<bool> done{false};
  std::atomic<bool> opened{false};
  std::thread rescuer([&] {
    for (int i = 0; i < 300 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (done) return;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) {
      opened = true;
      ::close(fd);
    }
  });
  ProcessResult r = runProgram(program, args, env);
  done = true;
  rescuer.join();
  rescued = opened;
  return r;
}

struct HostileFiles : ::testing::Test {
  std::string dir = makeTempDir();
  std::map<std::string, std::string> env{{"QUILLAN_REGISTRY", dir + "/registry.db"}};
  ~HostileFiles() override { fs::remove_all(dir); }
};

TEST_F(HostileFiles, QuillancCompilesOnlyRegularFilesOfSaneSize) {
  for (std::size_t i = 0; i < std::size(kHostile); ++i) {
    const Hostile& h = kHostile[i];
    const std::string source = dir + "/hostile" + std::to_string(i) + ".qs";
    const std::string output = dir + "/out.exe";
    h.make(source);
    bool rescued = false;
    const auto r = runGuarded(QUILLANC_PATH, {source, "-o", output}, source, env, rescued);
    EXPECT_EQ(r.status, 1) << h.name;
    EXPECT_EQ(r.err, "quillanc: cannot read " + source + ": " + h.quillancSays + "\n") << h.name;
    EXPECT_FALSE(fs::exists(output)) << h.name;
    EXPECT_FALSE(rescued) << h.name << ": waited for a writer";
  }
}

TEST_F(HostileFiles, ScriptrunCannotRunWhatIsNotARegularFileOfSaneSize) {
  for (std::size_t i = 0; i < std::size(kHostile); ++i) {
    const Hostile& h = kHostile[i];
    const std::string script = dir + "/hostile" + std::to_string(i) + ".exe";
    h.make(script);
    bool rescued = false;
    const auto r = runGuarded(SCRIPTRUN_PATH, {"--unattended", script}, script, env, rescued);
    EXPECT_EQ(r.status, 66) << h.name;
    EXPECT_EQ(r.out, "box\texclamation\tOK\tQuillan\tCannot run " + script + ": " + h.scriptrunSays + "\tOK\n")
        << h.name;
    EXPECT_FALSE(rescued) << h.name << ": waited for a writer";
  }
}

}  // namespace
}  // namespace quillan::testing
