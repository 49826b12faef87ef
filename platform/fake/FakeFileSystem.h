// A file system held in a map, for tests of the interpreter. Paths are
// compared as given; the current directory is "/work". A read or write
// planned to fail in `faults` ("readFile", "writeFile") returns the planned
// errno and changes nothing.
#pragma once

#include <cerrno>
#include <map>
#include <string>

#include "platform/api/FileSystem.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

class FakeFileSystem : public os::FileSystem {
 public:
  std::map<std::string, std::string, std::less<>> files;
  std::string configDir = "/home/user/.config/quillan";
  std::string programDir = "/home/user/.local/bin";
  std::string currentDir = "/work";
  FailOnCue faults;

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
