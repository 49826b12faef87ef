#include "platform/posix/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillan::posix {

namespace {

int notRegular(const struct stat& st) { return S_ISDIR(st.st_mode) ? EISDIR : ENODEV; }

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

int readRegularFile(const std::string& path, std::string& contents, std::uint64_t maxBytes) {
  // Asking first means a device is never opened at all: opening some has
  // effects of its own (a tape rewinds, a terminal becomes ours).
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return notRegular(st);
  // The path may have been swapped for a FIFO since: O_NONBLOCK keeps the
  // open from waiting for a writer, and fstat tells what was really opened.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  if (file.fd < 0) return errno;
  if (::fstat(file.fd, &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return notRegular(st);
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return EFBIG;

  contents.clear();
  contents.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
    if (got == 0) return 0;
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // A file that grows while it is read is held to the same cap.
    if (contents.size() + static_cast<std::uint64_t>(got) > maxBytes) return EFBIG;
    contents.append(buffer, static_cast<std::size_t>(got));
  }
}

std::string describeReadError(int code, std::uint64_t maxBytes) {
  switch (code) {
    case EISDIR:
    case ENODEV:
      return "not a regular file";
    case EFBIG:
      return "too large (more than " + std::to_string(maxBytes / (1024 * 1024)) + " MB)";
    default:
      return std::strerror(code);
  }
}

}  // namespace quillan::posix
