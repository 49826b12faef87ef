#include "runtime/dialog/ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef QUILLAN_MODULE_RELATIVE_DIR
#define QUILLAN_MODULE_RELATIVE_DIR "../lib/quillan"
#endif

namespace quillan::dialog {
namespace {

namespace fs = std::filesystem;

fs::path programDirectory() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self.parent_path();
}

// dlerror's text starts with the file's name, which the message already
// gives.
std::string reasonWithoutPath(const std::string& path, const char* error) {
  std::string reason = error != nullptr ? error : "unknown error";
  if (reason.starts_with(path + ": ")) reason.erase(0, path.size() + 2);
  return reason;
}

}  // namespace

std::vector<std::string> moduleDirectories() {
  const char* override = std::getenv("QUILLAN_MODULE_DIR");
  if (override != nullptr && *override != '\0') return {override};
  const fs::path program = programDirectory();
  if (program.empty()) return {};
  return {(program / QUILLAN_MODULE_RELATIVE_DIR).lexically_normal().string(), program.string()};
}

Module::Module(std::string fileName, std::string entry, std::string service)
    : fileName_(std::move(fileName)), entry_(std::move(entry)), service_(std::move(service)) {}

void* Module::object() {
  if (!tried_) {
    tried_ = true;
    open();
  }
  return object_;
}

void Module::open() {
  const std::vector<std::string> directories = moduleDirectories();
  if (directories.empty()) {
    failure_ = service_ + " is not available: cannot find " + fileName_ + ": the program's own path is unknown";
    return;
  }
  // The first directory that has the file is the one used; with none, the
  // message names the file where it was looked for first.
  std::string path = (fs::path(directories.front()) / fileName_).string();
  for (const std::string& directory : directories) {
    const fs::path candidate = fs::path(directory) / fileName_;
    std::error_code error;
    if (fs::exists(candidate, error)) {
      path = candidate.string();
      break;
    }
  }
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    failure_ = service_ + " is not available: cannot load " + path + ": " + reasonWithoutPath(path, ::dlerror());
    return;
  }
  using Entry = void* (*)(int);
  const auto entry = reinterpret_cast<Entry>(::dlsym(library, entry_.c_str()));
  if (entry == nullptr) {
    failure_ = service_ + " is not available: " + path + " has no " + entry_;
    return;
  }
  object_ = entry(kModuleInterface);
  if (object_ == nullptr)
    failure_ = service_ + " is not available: " + path + " was built for another version of Quillan";
}

}  // namespace quillan::dialog
