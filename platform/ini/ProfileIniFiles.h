// The INI files of scripts, on disk through the INI engine: each file is a
// ProfileFile kept for the whole run, so reads are served from its parse
// cache and writes keep every other byte of the file.
//
// Writes are atomic but unsynced: each one replaces the file by a rename, so
// other processes see it at once and a killed script leaves the old or the
// new file; the files are flushed to the disk when the run ends (when this
// object goes). A script writes many values one at a time, and a flush per
// value would cost milliseconds each; what a power loss can take is the
// last values of a run, as with the registry store.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/api/IniFiles.h"
#include "platform/ini/ProfileFile.h"

namespace quillan::ini {

class ProfileIniFiles final : public os::IniFiles {
 public:
  // bareNameDir: where a file name without a directory lives (the per-user
  // Quillan directory); it is created, mode 0700, when a file in it is
  // first written.
  explicit ProfileIniFiles(std::string bareNameDir);

  std::string read(std::string_view file, std::string_view section, std::string_view key, std::string_view defaultValue,
                   std::size_t bufferSize) override;
  bool write(std::string_view file, std::string_view section, std::string_view key, std::string_view value) override;

  // The path a script's file name stands for: "\" becomes "/", and a bare
  // name goes to bareNameDir. Other relative names are left relative (to
  // the current directory).
  std::string pathFor(std::string_view file) const;

 private:
  ProfileFile& fileFor(std::string_view file);

  std::string bareNameDir_;
  std::map<std::string, std::unique_ptr<ProfileFile>, std::less<>> files_;  // by path
};

}  // namespace quillan::ini
