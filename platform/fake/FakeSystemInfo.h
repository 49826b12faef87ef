// Machine facts and environment variables for tests, set by the test.
#pragma once

#include <map>
#include <string>

#include "platform/api/SystemInfo.h"

namespace quillan::fake {

class FakeSystemInfo : public os::SystemInfo {
 public:
  os::KernelVersion kernel{6, 1};
  os::MemoryFigures memoryFigures{8u * 1024 * 1024, 3u * 1024 * 1024, 63};
  os::ScreenFigures screenFigures{1920, 1080, 96};
  std::map<std::string, std::string, std::less<>> environment;

  os::KernelVersion kernelVersion() override { return kernel; }
  os::MemoryFigures memory() override { return memoryFigures; }
  os::ScreenFigures screen() override { return screenFigures; }
  std::string environmentVariable(std::string_view name) override {
    const auto it = environment.find(name);
    return it != environment.end() ? it->second : std::string();
  }
};

}  // namespace quillan::fake
