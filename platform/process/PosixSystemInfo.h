// Machine facts on Linux: the kernel's version from uname, the memory from
// /proc/meminfo, the environment from the process's own. The screen belongs
// to the window system, so its figures come from whoever owns that (a
// callback set by the program's entry).
#pragma once

#include <functional>
#include <string_view>

#include "platform/api/SystemInfo.h"

namespace quillan::process {

class PosixSystemInfo final : public os::SystemInfo {
 public:
  explicit PosixSystemInfo(std::function<os::ScreenFigures()> screen = {}) : screen_(std::move(screen)) {}

  os::KernelVersion kernelVersion() override;
  os::MemoryFigures memory() override;
  os::ScreenFigures screen() override { return screen_ ? screen_() : os::ScreenFigures{}; }
  std::string environmentVariable(std::string_view name) override;

 private:
  std::function<os::ScreenFigures()> screen_;
};

// "6.1.0-18-amd64" gives 6 and 1; missing parts are 0.
os::KernelVersion parseKernelRelease(std::string_view release);

// MemTotal and MemAvailable of /proc/meminfo (in kB already). Kernels
// older than 3.14 lack MemAvailable; free, buffers and page cache stand in.
os::MemoryFigures parseMeminfo(std::string_view text);

}  // namespace quillan::process
