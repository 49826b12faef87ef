#include "platform/posix/PosixFileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ini/AtomicReplace.h"
#include "platform/posix/PosixPaths.h"
#include "platform/posix/RegularFile.h"

namespace quillan::posix {

bool PosixFileSystem::exists(std::string_view path) {
  if (path.empty()) return false;
  struct stat st {};
  return ::stat(toSystemPath(path).c_str(), &st) == 0;
}

std::string PosixFileSystem::fullPath(std::string_view path) {
  std::string system = toSystemPath(path);
  if (!system.empty() && system.front() == '/') return system;
  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return system;
  std::string base(cwd);
  if (base.back() != '/') base.push_back('/');
  return base + system;
}

std::string PosixFileSystem::userConfigDir() { return quillanConfigDir(); }

std::string PosixFileSystem::userProgramDir() { return homeDir() + "/.local/bin"; }

std::string PosixFileSystem::currentDirectory() {
  std::string dir(256, '\0');
  while (::getcwd(dir.data(), dir.size()) == nullptr) {
    if (errno != ERANGE) return {};
    dir.resize(dir.size() * 2);
  }
  dir.resize(std::char_traits<char>::length(dir.c_str()));
  return dir;
}

int PosixFileSystem::readFile(std::string_view path, std::string& contents) {
  return readRegularFile(toSystemPath(path), contents);
}

int PosixFileSystem::writeFileAtomically(std::string_view path, std::string_view bytes) {
  if (path.empty()) return ENOENT;
  const ini::ReplaceResult result = ini::replaceFileAtomically(toSystemPath(path), bytes);
  return result.ok ? 0 : EIO;
}

}  // namespace quillan::posix
