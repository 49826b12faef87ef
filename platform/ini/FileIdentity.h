// What tells us that a file is still the one we parsed: the same inode on
// the same device, the same size and the same modification time to the
// nanosecond. Replacing the file by rename gives it a new inode, so even an
// edit within one clock tick that keeps the size is noticed.
#pragma once

#include <sys/stat.h>

namespace quillan::ini {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  struct timespec modified {};

  static FileIdentity of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
  }
  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
  }
};

}  // namespace quillan::ini
