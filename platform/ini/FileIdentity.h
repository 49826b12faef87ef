// What tells us that a file is still the one we parsed: the same inode on
// the same device, the same size and the same modification time to the
// nanosecond. Replacing the file by rename gives it a new inode, so even an
// edit within one clock tick that keeps the size is noticed.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace quillan::ini {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  struct timespec modified {};

  static FileIdentity of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim}; }
  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modified.tv_sec == b.modified.tv_sec &&
           a.modified.tv_nsec == b.modified.tv_nsec;
  }
};

// An open descriptor that keeps a file's inode in use. An identity is only
// as good as its inode number: once the file is replaced and its inode
// freed, the file system may hand the number to a later file of the same
// size written within the same clock tick, which would pass for the one we
// parsed. While we hold the old file open its number cannot come back.
class InodePin {
 public:
  InodePin() = default;
  explicit InodePin(int fd) : fd_(fd) {}
  InodePin(InodePin&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  InodePin& operator=(InodePin&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~InodePin() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace quillan::ini
