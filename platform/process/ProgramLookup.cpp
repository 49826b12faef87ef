#include "platform/process/ProgramLookup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

namespace quillan::process {
namespace {

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string currentDirectory() {
  std::string buffer(4096, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return buffer;
}

// Relative names become absolute here, in the runtime, so that the started
// program may change into another working directory without losing them.
std::string absolute(const std::string& path, const std::string& directory) {
  if (!path.empty() && path.front() == '/') return path;
  std::string base = directory.empty() ? currentDirectory() : directory;
  if (!base.empty() && base.front() != '/') base = currentDirectory() + "/" + base;
  if (!base.empty() && base.back() != '/') base.push_back('/');
  return base + path;
}

Target classify(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {TargetKind::Missing, {}};
  if (S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0) return {TargetKind::Program, path};
  return {TargetKind::Document, path};
}

}  // namespace

bool looksLikeWebAddress(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  if (!std::isalpha(static_cast<unsigned char>(text.front()))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

std::string findOnPath(std::string_view name, std::string_view pathVariable) {
  if (name.empty() || name.find('/') != std::string_view::npos) return {};
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = pathVariable.find(':', start);
    std::string dir(pathVariable.substr(start, end == std::string_view::npos ? end : end - start));
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/" + std::string(name);
    if (isExecutableFile(candidate)) return candidate;
    if (end == std::string_view::npos) return {};
    start = end + 1;
  }
}

Target resolveTarget(const std::string& file, const std::string& directory, std::string_view pathVariable) {
  if (file.empty()) return {};
  if (file.find('/') == std::string::npos) {
    // PATH first: a file lying in the working directory must not take the
    // place of the system's program of that name.
    std::string onPath = findOnPath(file, pathVariable);
    if (!onPath.empty()) return {TargetKind::Program, absolute(onPath, {})};
  }
  Target target = classify(absolute(file, directory));
  if (target.kind == TargetKind::Missing && looksLikeWebAddress(file)) return {TargetKind::Document, file};
  return target;
}

int niceValueFor(os::Priority priority) {
  switch (priority) {
    case os::Priority::High:
      return -10;
    case os::Priority::Realtime:
      return -20;
    case os::Priority::Idle:
      return 19;
    case os::Priority::Normal:
      break;
  }
  return kKeepNice;
}

}  // namespace quillan::process
