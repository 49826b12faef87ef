// An advisory lock held through a lock file (flock). Two editors started in
// one directory share one working copy; the lock makes sure only one of them
// works on it.
#pragma once

#include <string>

namespace quillan::editor {

class FileLock {
 public:
  explicit FileLock(std::string path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // True when the lock is held, now or already; false when someone else
  // holds it or the lock file cannot be created. Never waits.
  bool tryAcquire();
  bool held() const { return fd_ >= 0; }
  // Removes the lock file and lets go. Harmless when not held.
  void release();

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace quillan::editor
