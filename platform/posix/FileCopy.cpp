#include "platform/posix/FileCopy.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/DosAttributes.h"

namespace quillan::posix {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close (a full disk on a network file
  // system reports there) is seen.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

int copyBytes(int in, int out) {
  std::vector<char> buffer(128 * 1024);
  for (;;) {
    const ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) return errno;
      done += put;
    }
  }
}

// The attributes the copy keeps; a file system without extended
// attributes simply keeps none.
void copyStoredAttributes(int in, int out) {
  char value[256];
  const ssize_t length = ::fgetxattr(in, kDosAttributeName, value, sizeof value);
  if (length > 0) ::fsetxattr(out, kDosAttributeName, value, static_cast<std::size_t>(length), 0);
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

int renameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // The file system cannot refuse on rename; a second name for a file can
  // only be made where none is, so link and unlink do it for files. A
  // directory cannot be linked; it is moved after a look.
  struct stat st {};
  if (::lstat(from.c_str(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) {
    if (::lstat(to.c_str(), &st) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  if (::unlink(from.c_str()) != 0) {
    const int error = errno;
    ::unlink(to.c_str());
    return error;
  }
  return 0;
}

int copyFileAtomically(const std::string& from, const std::string& to, bool replace) {
  const Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (in.get() < 0) return errno;
  struct stat st {};
  if (::fstat(in.get(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
  ::fcntl(in.get(), F_SETFL, 0);

  std::string temp = directoryOf(to) + "/." + nameOf(to) + ".copy-XXXXXX";
  Fd out(::mkostemp(temp.data(), O_CLOEXEC));
  if (out.get() < 0) return errno;
  int error = copyBytes(in.get(), out.get());
  if (error == 0 && ::fchmod(out.get(), st.st_mode & 0777) != 0) error = errno;
  if (error == 0) {
    copyStoredAttributes(in.get(), out.get());
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.get(), times);
    if (::fsync(out.get()) != 0) error = errno;
  }
  if (out.close() != 0 && error == 0) error = errno;
  if (error == 0) {
    if (replace) {
      if (::rename(temp.c_str(), to.c_str()) != 0) error = errno;
    } else {
      error = renameNoReplace(temp, to);
    }
  }
  if (error != 0) ::unlink(temp.c_str());
  return error;
}

}  // namespace quillan::posix
