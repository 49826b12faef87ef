// One INI file on disk, read through a parse cache and written atomically.
//
// Reads parse the file once and reuse the result while the file's identity
// (device, inode, size, modification time) is unchanged, so a form that reads
// thirty keys reads the file once. Every write builds the new text in memory,
// writes it to a temporary file in the same directory and renames it over
// the old one: a crash leaves the old or the new file, never a torn one.
// Synced writes also flush the new file to the disk first (see Durability).
// Writers hold an advisory lock around read, change and rename (ReplaceLock),
// so processes that edit one file at once lose none of each other's edits.
//
// The path is used as given (relative paths against the current directory);
// mapping names from the scripts' conventions is the caller's business. One
// object is not meant to be shared between threads.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/AtomicReplace.h"
#include "platform/ini/FileIdentity.h"
#include "platform/ini/IniDocument.h"

namespace quillan::ini {

class ProfileFile {
 public:
  // Synced: every write is on the disk before it returns (the editor's
  // Save). Unsynced: writes are atomic but not flushed one by one; the file
  // is flushed by flush() and when the object goes (a script that writes
  // many values).
  explicit ProfileFile(std::string path, Durability durability = Durability::Synced);
  ~ProfileFile();
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  // Flushes what unsynced writes left in the page cache to the disk.
  void flush();
  const std::string& path() const { return path_; }

  // The value, or defaultValue (with its trailing spaces removed) when the
  // file, section or key is missing; cut to bufferSize - 1 bytes the way a
  // caller's fixed buffer would cut it (bufferSize 0 gives "").
  std::string getString(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::size_t bufferSize = 1024);
  std::vector<std::string> keys(std::string_view section);
  std::vector<std::string> sections();
  std::vector<std::string> sectionLines(std::string_view section);
  // The key names as one NUL-separated list ending in two NULs, cut so that
  // it still ends in two NULs when it does not fit bufferSize.
  std::string keyList(std::string_view section, std::size_t bufferSize = 8192);

  // value nullopt deletes the key. Creates the file and the section when
  // missing. False when the file cannot be written (the old file is kept),
  // when it exists but cannot be read (writing would lose what we cannot
  // see), or when a name cannot be stored (see IniDocument::canStore...).
  // An edit that changes nothing writes nothing.
  bool writeString(std::string_view section, std::string_view key, std::optional<std::string_view> value);
  bool eraseSection(std::string_view section);
  // Applies several edits and writes the result in one atomic replacement.
  // A synced write flushes the file to the disk, so a form that stores many
  // keys should store them in one edit rather than one writeString each.
  bool edit(const std::function<void(IniDocument&)>& change);

  // Why the last write failed (errno text with the path), for messages.
  const std::string& lastError() const { return lastError_; }

  // How many times the file's bytes were read from disk by this object:
  // reads served from the cache do not count.
  std::size_t readCount() const { return readCount_; }

 private:
  enum class CacheState {
    Unknown,  // nothing read yet, or the last read could not be trusted
    Missing,  // there was no file; document_ is empty
    Loaded,   // document_ holds the file whose identity is identity_
  };

  // Brings document_ up to date with the file, reading it only when its
  // identity changed. False (with readError_ set) when the file exists but
  // cannot be read; document_ is then empty.
  bool refresh();
  // document_ parsed from `bytes`, which become bytes_.
  void setDocument(std::string bytes);

  std::string path_;
  Durability durability_;
  bool unsynced_ = false;  // an unsynced write happened since the last flush
  std::string lastError_;
  std::string readError_;
  CacheState cacheState_ = CacheState::Unknown;
  FileIdentity identity_;
  InodePin pin_;  // holds the file of identity_ open while it is Loaded
  IniDocument document_;
  // What document_ serializes to: the file's bytes as read or last written
  // (empty when it is Missing or Unknown). An edit compares against them to
  // see whether anything changed, and goes back to them when its write fails.
  std::string bytes_;
  std::size_t readCount_ = 0;
};

}  // namespace quillan::ini
