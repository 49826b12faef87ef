#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/PosixPaths.h"

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

int PosixFileSystem::readFile(std::string_view path, std::string& contents) {
  const int fd = ::open(toSystemPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return EISDIR;
  }
  contents.clear();
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      return code;
    }
    contents.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return 0;
}

}  // namespace quillan::posix
