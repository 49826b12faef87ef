// Replaces a file's contents so that a crash at any moment leaves either the
// old file or the new one: the bytes go to a temporary file in the same
// directory (so the rename cannot cross file systems), are synced, and the
// temporary file is renamed over the target.
#pragma once

#include <string>
#include <string_view>

#include "platform/ini/FileIdentity.h"

namespace quillan::ini {

struct ReplaceResult {
  bool ok = false;
  FileIdentity identity;  // of the new file, valid when ok
  std::string error;      // with the path and the system's reason, when not ok
};

// How far a replacement goes before it returns. Synced: the new file is
// flushed to the disk before the rename and its directory after it, so the
// new content survives a power loss from then on. Unsynced: neither; the
// rename alone still makes the change atomic for every process (a crash of
// the writer leaves the old or the new file, whole), and syncFile() later
// makes it durable. Unsynced costs no disk flush per write (a flush takes
// milliseconds on a real disk).
enum class Durability { Synced, Unsynced };

// The new file keeps the old one's permission bits (and its owner, where we
// are allowed to set it); a new file gets 0666 less the umask. A symbolic
// link at `path` is written through, not replaced. On failure the temporary
// file is removed and the old file is untouched. Temporary files of the same
// target that writers killed before their rename left behind are removed
// first (those whose process is gone; no other file is touched).
ReplaceResult replaceFileAtomically(const std::string& path, std::string_view bytes,
                                    Durability durability = Durability::Synced);

// Flushes the file at path (the target of a symbolic link) and its
// directory to the disk; what an unsynced replacement left to do.
void syncFile(const std::string& path);

// An exclusive advisory lock (flock) that writers of one file hold around
// read, change and rename, so that two processes editing different keys of
// the file at once do not undo each other's edit. It is taken on the
// directory that holds the file (the target of a symbolic link), since the
// rename replaces the file itself and a lock on it would be left behind on
// the old inode. A directory that cannot be opened gives no lock: the edit
// goes on as it would without one.
class ReplaceLock {
 public:
  explicit ReplaceLock(const std::string& path);
  ~ReplaceLock();
  ReplaceLock(const ReplaceLock&) = delete;
  ReplaceLock& operator=(const ReplaceLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace quillan::ini
