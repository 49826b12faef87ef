// Files and directories on Linux, for what scripts do to them (see
// FileCopy.h for copies, DosAttributes.h for attributes, Volumes.h for
// drive facts).
#pragma once

#include "platform/api/FileOperations.h"

namespace quillan::posix {

class PosixFileOperations final : public os::FileOperations {
 public:
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
};

}  // namespace quillan::posix
