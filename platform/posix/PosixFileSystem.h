// The file system of the machine the runtime runs on.
#pragma once

#include "platform/api/FileSystem.h"

namespace quillan::posix {

class PosixFileSystem final : public os::FileSystem {
 public:
  bool exists(std::string_view path) override;
  std::string fullPath(std::string_view path) override;
  std::string userConfigDir() override;
  std::string userProgramDir() override;
  std::string currentDirectory() override;
  // Reads regular files only, of at most kMaxScriptFileBytes (see
  // RegularFile.h for the error numbers of the rest).
  int readFile(std::string_view path, std::string& contents) override;
  // Through a temporary file beside the target, synced and renamed over it;
  // the file keeps its permission bits.
  int writeFileAtomically(std::string_view path, std::string_view bytes) override;
};

}  // namespace quillan::posix
