// File-system questions the interpreter asks. Paths are script bytes in which
// "\" and "/" both separate parts; implementations map them for the OS.
#pragma once

#include <string>
#include <string_view>

namespace quillan::os {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool exists(std::string_view path) = 0;
  // The absolute form of path (relative names against the current directory).
  virtual std::string fullPath(std::string_view path) = 0;
  // The per-user configuration directory of Quillan, used where a Windows
  // program would fall back to a drive's root.
  virtual std::string userConfigDir() = 0;
  // The user's own directory for programs, the one on PATH that needs no
  // privilege to write (~/.local/bin); no final "/".
  virtual std::string userProgramDir() = 0;
  // The current directory, as an absolute path with no final "/" (the root
  // is "/"); empty when it cannot be found (it was removed, say).
  virtual std::string currentDirectory() = 0;
  // Reads the whole file into contents. Returns 0, or the system's error
  // number when the file cannot be opened or read.
  virtual int readFile(std::string_view path, std::string& contents) = 0;
  // Replaces the file's contents with bytes so that a reader sees either
  // the old file or the new one, never a part. Returns 0, or the system's
  // error number; on failure the old file is untouched.
  virtual int writeFileAtomically(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace quillan::os
