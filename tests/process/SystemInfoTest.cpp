#include <gtest/gtest.h>

#include "platform/process/PosixSystemInfo.h"

namespace quillan::process {
namespace {

TEST(KernelRelease, MajorAndMinorOnly) {
  const std::tuple<const char*, int, int> cases[] = {
      {"6.1.0-18-amd64", 6, 1}, {"4.19.0", 4, 19}, {"5.10", 5, 10}, {"6", 6, 0}, {"", 0, 0}, {"x.y", 0, 0}};
  for (const auto& [release, major, minor] : cases) {
    const os::KernelVersion v = parseKernelRelease(release);
    EXPECT_EQ(v.major, major) << release;
    EXPECT_EQ(v.minor, minor) << release;
  }
}

TEST(Meminfo, FiguresInKilobytesBeyond32Bits) {
  struct Case {
    const char* text;
    std::uint64_t total, available;
    int load;
  };
  const Case cases[] = {
      // 64 GiB: the byte count is far beyond 32 bits, the kilobytes are not cut.
      {"MemTotal:       67108864 kB\nMemFree:         1000 kB\nMemAvailable:   16777216 kB\n", 67108864, 16777216, 75},
      {"MemTotal: 8000 kB\nMemFree: 1000 kB\nBuffers: 500 kB\nCached: 500 kB\n", 8000, 2000, 75},
      {"MemTotal: 1000 kB\nMemAvailable: 5000 kB\n", 1000, 1000, 0},
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    const os::MemoryFigures m = parseMeminfo(c.text);
    EXPECT_EQ(m.totalKb, c.total) << c.text;
    EXPECT_EQ(m.availableKb, c.available) << c.text;
    EXPECT_EQ(m.loadPercent, c.load) << c.text;
  }
}

TEST(PosixSystemInfo, ReadsThisMachine) {
  PosixSystemInfo info([] { return os::ScreenFigures{800, 600, 96}; });
  EXPECT_GT(info.kernelVersion().major, 2);
  const os::MemoryFigures m = info.memory();
  EXPECT_GT(m.totalKb, 0u);
  EXPECT_LE(m.availableKb, m.totalKb);
  EXPECT_LE(m.loadPercent, 100);
  EXPECT_EQ(info.screen().width, 800);
  EXPECT_EQ(PosixSystemInfo().screen().width, 0);
}

}  // namespace
}  // namespace quillan::process
