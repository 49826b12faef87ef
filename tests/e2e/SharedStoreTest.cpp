// Two scriptrun processes write one registry store at the same time: every
// value of both must be there afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "ProcessRunner.h"
#include "platform/registry/SqliteRegistry.h"

namespace quillan::testing {
namespace {

constexpr int kValues = 300;

TEST(SharedRegistryStore, TwoWritersLoseNothing) {
  const std::string dir = makeTempDir();
  writeFileBytes(dir + "/writer.qs",
                 "%I = 0\n"
                 "REPEAT\n"
                 "%I = @succ(%I)\n"
                 "REGISTRY WRITE,CURUSER,Software\\Race,%1%I,%I\n"
                 "UNTIL @equal(%I," +
                     std::to_string(kValues) +
                     ")\n"
                     "INFO done %1\n");
  const auto compiled = runProgram(QUILLANC_PATH, {dir + "/writer.qs", "-o", dir + "/writer.exe"});
  ASSERT_EQ(compiled.status, 0) << compiled.err;
  const std::map<std::string, std::string> env{{"QUILLAN_REGISTRY", dir + "/registry.db"}, {"HOME", dir}};
  const auto start = [&](const char* who) {
    return std::async(std::launch::async, [&, who] {
      return runProgram(SCRIPTRUN_PATH, {"--unattended", dir + "/writer.exe", who}, env, dir);
    });
  };
  auto a = start("a");
  auto b = start("b");
  for (auto* run : {&a, &b}) {
    const ProcessResult result = run->get();
    EXPECT_EQ(result.status, 0) << result.err;
  }

  reg::SqliteRegistry registry(dir + "/registry.db");
  reg::Handle key = 0;
  ASSERT_EQ(registry.openKey(reg::CurrentUser, "Software\\Race", key), reg::Success);
  int missing = 0;
  for (int i = 1; i <= kValues; ++i) {
    for (const char* who : {"a", "b"}) {
      char data[16] = {};
      std::uint32_t size = sizeof data;
      const std::string name = who + std::to_string(i);
      if (registry.queryValue(key, name, nullptr, reinterpret_cast<std::uint8_t*>(data), &size) != reg::Success ||
          std::string(data) != std::to_string(i))
        ++missing;
    }
  }
  registry.closeKey(key);
  EXPECT_EQ(missing, 0);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quillan::testing
