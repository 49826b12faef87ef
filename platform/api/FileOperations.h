// What scripts do to files and directories: copy, move, delete, dates and
// attributes, directories, reading a directory's entries and the facts of
// the file system a path lies on. Paths are script bytes in which "\" and
// "/" both separate parts. Every operation answers only whether it worked;
// the script sees no reason.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/api/Clock.h"

namespace quillan::os {

// The attribute bits scripts read and write, in the values scripts use.
enum FileAttribute : std::uint8_t {
  kReadOnly = 1,
  kHidden = 2,
  kSystem = 4,
  kDirectory = 16,
  kArchive = 32,
};

struct DirectoryEntry {
  std::string name;
  std::uint8_t attributes = 0;  // FileAttribute bits
  std::uint64_t size = 0;       // bytes; 0 for a directory
  LocalDateTime modified;       // local time
  bool symbolicLink = false;    // the entry is a link (its other facts are its target's)
};

enum class DriveType : std::uint8_t { Unknown, Removable, Fixed, Network, CdRom, Ram };

struct VolumeSpace {
  std::uint64_t freeKb = 0;  // available to the user
  std::uint64_t totalKb = 0;
};

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // Copies a regular file's bytes, permission bits, modification time and
  // kept attributes. A reader never sees a half-written target. With
  // replace false an existing target is refused, without a window in which
  // another program's new file could be overwritten.
  virtual bool copyFile(std::string_view from, std::string_view to, bool replace) = 0;
  // Moves a file or a directory; an existing target is refused. A file may
  // move to another file system (copied, then deleted).
  virtual bool moveFile(std::string_view from, std::string_view to) = 0;
  // Deletes a file that is not read-only; never a directory.
  virtual bool deleteFile(std::string_view path) = 0;

  // The modification time of a file that may be written, or nullopt when it
  // cannot be opened for writing.
  virtual std::optional<LocalDateTime> writableFileTime(std::string_view path) = 0;
  virtual bool setModificationTime(std::string_view path, const LocalDateTime& moment) = 0;

  // FileAttribute bits, or nullopt when the path does not exist.
  virtual std::optional<std::uint8_t> attributes(std::string_view path) = 0;
  // Sets read-only, hidden, system and archive as the bits say (the
  // directory bit is ignored); false when any of them could not be kept.
  virtual bool setAttributes(std::string_view path, std::uint8_t attributes) = 0;

  // One directory; its parent must exist.
  virtual bool createDirectory(std::string_view path) = 0;
  virtual bool isDirectory(std::string_view path) = 0;
  // Makes the directory the process's current directory.
  virtual bool changeDirectory(std::string_view path) = 0;
  // Removes an empty directory.
  virtual bool removeDirectory(std::string_view path) = 0;

  // Calls visit with each entry of the directory ("." and ".." left out)
  // that `wanted` accepts by its name and kind, in the order the file
  // system keeps them, until visit returns false. Only accepted entries
  // are looked at further, and a brief look skips what costs most: then
  // only the directory, hidden, system and archive bits are filled in
  // (not read-only, size or time). False when the directory cannot be
  // read.
  enum class EntryKind : std::uint8_t { File, Directory, Unknown };  // Unknown: a link, or not told
  enum class Look : std::uint8_t { Skip, Brief, Full };
  using NameFilter = std::function<Look(std::string_view name, EntryKind kind)>;
  using EntryVisitor = std::function<bool(const DirectoryEntry&)>;
  virtual bool readDirectory(std::string_view dir, const NameFilter& wanted, const EntryVisitor& visit) = 0;

  // Facts of the file system that holds path.
  virtual std::optional<VolumeSpace> volumeSpace(std::string_view path) = 0;
  // Its label, empty when it has none; nullopt when path cannot be reached.
  virtual std::optional<std::string> volumeLabel(std::string_view path) = 0;
  virtual DriveType driveType(std::string_view path) = 0;
};

}  // namespace quillan::os
