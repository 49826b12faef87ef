#include "platform/process/PosixSystemInfo.h"

#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace quillan::process {
namespace {

int leadingNumber(std::string_view text, std::size_t& at) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (error != std::errc()) return 0;
  at = static_cast<std::size_t>(end - text.data());
  return value;
}

}  // namespace

os::KernelVersion parseKernelRelease(std::string_view release) {
  os::KernelVersion version;
  std::size_t at = 0;
  version.major = leadingNumber(release, at);
  if (at < release.size() && release[at] == '.') {
    ++at;
    version.minor = leadingNumber(release, at);
  }
  return version;
}

os::MemoryFigures parseMeminfo(std::string_view text) {
  std::uint64_t total = 0, available = 0, freeKb = 0, buffers = 0, cached = 0;
  bool haveAvailable = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    std::size_t at = line.find_first_not_of(' ', colon + 1);
    if (at == std::string_view::npos) continue;
    std::uint64_t value = 0;
    if (std::from_chars(line.data() + at, line.data() + line.size(), value).ec != std::errc()) continue;
    if (key == "MemTotal") {
      total = value;
    } else if (key == "MemAvailable") {
      available = value;
      haveAvailable = true;
    } else if (key == "MemFree") {
      freeKb = value;
    } else if (key == "Buffers") {
      buffers = value;
    } else if (key == "Cached") {
      cached = value;
    }
  }
  if (!haveAvailable) available = freeKb + buffers + cached;
  if (available > total) available = total;
  os::MemoryFigures figures;
  figures.totalKb = total;
  figures.availableKb = available;
  if (total > 0) figures.loadPercent = static_cast<int>(((total - available) * 100 + total / 2) / total);
  return figures;
}

std::string PosixSystemInfo::environmentVariable(std::string_view name) {
  // A name with "=" or NUL can name no variable; getenv would misread it.
  if (name.empty() || name.find_first_of(std::string_view("=\0", 2)) != std::string_view::npos) return {};
  const char* value = std::getenv(std::string(name).c_str());
  return value != nullptr ? std::string(value) : std::string();
}

os::KernelVersion PosixSystemInfo::kernelVersion() {
  utsname names{};
  if (::uname(&names) != 0) return {};
  return parseKernelRelease(names.release);
}

os::MemoryFigures PosixSystemInfo::memory() {
  std::ifstream in("/proc/meminfo");
  if (in) {
    std::ostringstream text;
    text << in.rdbuf();
    const os::MemoryFigures figures = parseMeminfo(text.str());
    if (figures.totalKb > 0) return figures;
  }
  // Without /proc (some containers), the kernel's own summary; its units
  // are multiplied out in 64 bits before the division.
  struct sysinfo info {};
  if (::sysinfo(&info) != 0) return {};
  const std::uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
  const std::uint64_t total = static_cast<std::uint64_t>(info.totalram) * unit / 1024;
  const std::uint64_t available = (static_cast<std::uint64_t>(info.freeram) + info.bufferram) * unit / 1024;
  return parseMeminfo("MemTotal: " + std::to_string(total) +
                      " kB\nMemAvailable: " + std::to_string(available < total ? available : total) + " kB\n");
}

}  // namespace quillan::process
