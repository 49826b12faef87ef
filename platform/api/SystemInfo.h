// Facts about the machine that scripts can ask for: the kernel's version,
// the physical memory, the primary screen and the environment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::os {

struct KernelVersion {
  int major = 0;
  int minor = 0;
};

// Sizes in kilobytes, 64 bits wide: machines with more than 2 GiB are the
// rule, and a byte count in 32 bits would wrap.
struct MemoryFigures {
  std::uint64_t totalKb = 0;
  std::uint64_t availableKb = 0;
  int loadPercent = 0;  // 0-100: the share of memory in use
};

// In the logical pixels that windows are placed in.
struct ScreenFigures {
  int width = 0;
  int height = 0;
  int pixelsPerInch = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual KernelVersion kernelVersion() = 0;
  virtual MemoryFigures memory() = 0;
  virtual ScreenFigures screen() = 0;
  // The value of the environment variable name, or empty when it is not set.
  virtual std::string environmentVariable(std::string_view name) = 0;
};

}  // namespace quillan::os
