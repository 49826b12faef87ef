// A file system held in maps, for tests of the interpreter. The questions
// of FileSystem compare paths as given; the current directory is "/work".
// A read or write planned to fail in `faults` ("readFile", "writeFile")
// returns the planned errno and changes nothing.
//
// As FileOperations it works on the same files: there paths are taken as
// the real file system takes them ("\\" is "/", a relative path lies below
// currentDir). Directories are listed in the order of their paths. Each
// operation can be made to fail through `faults` under its own name
// ("copyFile", "moveFile", ...); "copyWrite" interrupts a copy halfway,
// after the temporary file was half written.
#pragma once

#include <cerrno>
#include <map>
#include <set>
#include <string>

#include "platform/api/FileOperations.h"
#include "platform/api/FileSystem.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

class FakeFileSystem : public os::FileSystem, public os::FileOperations {
 public:
  std::map<std::string, std::string, std::less<>> files;
  std::string configDir = "/home/user/.config/quillan";
  std::string programDir = "/home/user/.local/bin";
  std::string currentDir = "/work";
  FailOnCue faults;
  // FileOperations' view: directories, and per path its attributes and
  // modification time (absent: none set, 1 January 1980).
  std::set<std::string, std::less<>> directories{"/", "/work"};
  std::map<std::string, std::uint8_t, std::less<>> attributeBits;
  std::map<std::string, os::LocalDateTime, std::less<>> times;
  os::VolumeSpace space{1000, 5000};
  std::string label = "DATA";
  os::DriveType drive = os::DriveType::Fixed;
  // Paths whose hidden, system or archive bits cannot be kept, as on a file
  // system without extended attributes.
  std::set<std::string, std::less<>> noStoredAttributes;

  // The path as FileOperations keys it.
  std::string key(std::string_view path) const;
  // Adds a file (and its parent directories) the way a test sets one up.
  void addFile(std::string_view path, std::string contents, std::uint8_t attributes = 0);
  void addDirectory(std::string_view path);

  bool copyFile(std::string_view from, std::string_view to, bool replace) override;
  bool moveFile(std::string_view from, std::string_view to) override;
  bool deleteFile(std::string_view path) override;
  std::optional<os::LocalDateTime> writableFileTime(std::string_view path) override;
  bool setModificationTime(std::string_view path, const os::LocalDateTime& moment) override;
  std::optional<std::uint8_t> attributes(std::string_view path) override;
  bool setAttributes(std::string_view path, std::uint8_t attributes) override;
  bool createDirectory(std::string_view path) override;
  bool isDirectory(std::string_view path) override;
  bool changeDirectory(std::string_view path) override;
  bool removeDirectory(std::string_view path) override;
  bool readDirectory(std::string_view dir, const NameFilter& wanted, const EntryVisitor& visit) override;
  std::optional<os::VolumeSpace> volumeSpace(std::string_view path) override;
  std::optional<std::string> volumeLabel(std::string_view path) override;
  os::DriveType driveType(std::string_view path) override;

  bool exists(std::string_view path) override { return files.find(path) != files.end(); }
  std::string fullPath(std::string_view path) override {
    if (!path.empty() && path.front() == '/') return std::string(path);
    return "/work/" + std::string(path);
  }
  std::string userConfigDir() override { return configDir; }
  std::string userProgramDir() override { return programDir; }
  std::string currentDirectory() override { return currentDir; }
  int readFile(std::string_view path, std::string& contents) override {
    if (const int error = faults.next("readFile"); error != 0) return error;
    const auto it = files.find(path);
    if (it == files.end()) return ENOENT;
    contents = it->second;
    return 0;
  }
  int writeFileAtomically(std::string_view path, std::string_view bytes) override {
    if (const int error = faults.next("writeFile"); error != 0) return error;
    files[std::string(path)] = std::string(bytes);
    return 0;
  }
};

}  // namespace quillan::fake
