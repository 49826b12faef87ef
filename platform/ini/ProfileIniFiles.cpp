#include "platform/ini/ProfileIniFiles.h"

#include "platform/posix/PosixPaths.h"

namespace quillan::ini {

ProfileIniFiles::ProfileIniFiles(std::string bareNameDir) : bareNameDir_(std::move(bareNameDir)) {}

std::string ProfileIniFiles::pathFor(std::string_view file) const {
  std::string path = posix::toSystemPath(file);
  if (path.find('/') == std::string::npos) return bareNameDir_ + "/" + path;
  return path;
}

ProfileFile& ProfileIniFiles::fileFor(std::string_view file) {
  std::string path = pathFor(file);
  auto it = files_.find(path);
  if (it == files_.end()) {
    auto profile = std::make_unique<ProfileFile>(path, Durability::Unsynced);
    it = files_.emplace(std::move(path), std::move(profile)).first;
  }
  return *it->second;
}

std::string ProfileIniFiles::read(std::string_view file, std::string_view section, std::string_view key,
                                  std::string_view defaultValue, std::size_t bufferSize) {
  return fileFor(file).getString(section, key, defaultValue, bufferSize);
}

bool ProfileIniFiles::write(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value) {
  ProfileFile& profile = fileFor(file);
  // The per-user directory may not exist yet on a fresh account; any other
  // missing directory is the script's mistake and the write fails.
  const std::string& path = profile.path();
  if (path.size() > bareNameDir_.size() && path.compare(0, bareNameDir_.size(), bareNameDir_) == 0 &&
      path[bareNameDir_.size()] == '/' && path.find('/', bareNameDir_.size() + 1) == std::string::npos)
    posix::makeDirectories(bareNameDir_);
  return profile.writeString(section, key, value);
}

}  // namespace quillan::ini
