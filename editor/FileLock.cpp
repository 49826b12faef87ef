#include "editor/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace quillan::editor {

FileLock::FileLock(std::string path) : path_(std::move(path)) {}

FileLock::~FileLock() { release(); }

bool FileLock::tryAcquire() {
  if (held()) return true;
  // The holder removes the lock file when it lets go. Someone who opened the
  // file just before that would lock a file no longer in the directory, so
  // after locking, check that the path still names the file we locked, and
  // try again with the new file if it does not.
  // O_NOFOLLOW: a link planted under the lock file's name must not make us
  // create or lock the file it points to.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return false;
    }
    struct stat locked {};
    struct stat named {};
    if (::fstat(fd, &locked) == 0 && ::stat(path_.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
        locked.st_ino == named.st_ino) {
      fd_ = fd;
      return true;
    }
    ::close(fd);
  }
  return false;
}

void FileLock::release() {
  if (!held()) return;
  // Unlink while still holding the lock, so nobody can lock the old file
  // and believe it is the current one.
  ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace quillan::editor
