#include "platform/ini/FileRead.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillan::ini {

std::string describeError(const char* what, const std::string& path, int err) {
  return std::string(what) + " '" + path + "': " + std::strerror(err);
}

namespace {

FileRead failed(const char* what, const std::string& path, int err) {
  FileRead result;
  result.outcome = FileRead::Outcome::Failed;
  result.error = describeError(what, path, err);
  return result;
}

}  // namespace

FileRead readWholeFile(const std::string& path) {
  // O_NONBLOCK so that a FIFO at the path cannot hang the caller; it is
  // refused below as not a regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) return {};
    return failed("Cannot open", path, err);
  }

  struct stat before {};
  if (::fstat(fd, &before) != 0) {
    const int err = errno;
    ::close(fd);
    return failed("Cannot examine", path, err);
  }
  if (!S_ISREG(before.st_mode)) {
    ::close(fd);
    return failed("Cannot read", path, S_ISDIR(before.st_mode) ? EISDIR : EINVAL);
  }

  FileRead result;
  result.bytes.reserve(static_cast<std::size_t>(before.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return failed("Cannot read", path, err);
    }
    if (got == 0) break;
    result.bytes.append(chunk, static_cast<std::size_t>(got));
  }

  struct stat after {};
  const bool statted = ::fstat(fd, &after) == 0;
  result.outcome = FileRead::Outcome::Read;
  result.identity = FileIdentity::of(before);
  result.identityStable = statted && FileIdentity::of(after) == result.identity &&
                          result.bytes.size() == static_cast<std::size_t>(before.st_size);
  if (result.identityStable) {
    result.pin = InodePin(fd);
  } else {
    ::close(fd);
  }
  return result;
}

}  // namespace quillan::ini
