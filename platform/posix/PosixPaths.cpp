#include "platform/posix/PosixPaths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quillan::posix {

std::string toSystemPath(std::string_view scriptPath) {
  std::string path(scriptPath);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string homeDir() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* pw = ::getpwuid(::getuid());
    home = pw != nullptr ? pw->pw_dir : "/tmp";
  }
  return home;
}

std::string quillanConfigDir() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
    return std::string(xdg) + "/quillan";
  return homeDir() + "/.config/quillan";
}

bool makeDirectories(const std::string& dir) {
  struct stat st {};
  if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  const std::size_t slash = dir.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !makeDirectories(dir.substr(0, slash))) return false;
  return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace quillan::posix
