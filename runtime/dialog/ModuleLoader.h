// scriptrun's loadable modules: shared libraries that carry what only some
// scripts use (sound, D-Bus) with the heavy libraries behind it, opened the
// first time a script needs them, so a script that only shows a dialog starts with Qt
// Widgets alone. Each module exports one C function, its entry, that takes
// kModuleInterface and returns the module's object (null when it was built
// for another interface).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::dialog {

// Raised whenever the objects a module hands over change shape, so that a
// module left over from another build is refused instead of called.
inline constexpr int kModuleInterface = 1;

// The directories searched, in order: QUILLAN_MODULE_DIR alone when it is
// set; else the install directory relative to the running program (so an
// unpacked package works wherever it lies), then the program's own
// directory (the build tree).
std::vector<std::string> moduleDirectories();

class Module {
 public:
  // fileName as "libquillan_sound.so"; entry the name of its C function;
  // service what it brings, for the message ("Sound").
  Module(std::string fileName, std::string entry, std::string service);
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // The module's object, opening the library on the first call; null when
  // it cannot be had, failure() then saying why. The library stays loaded
  // for the rest of the run: objects made by it are never left without
  // their code.
  void* object();
  // "Sound is not available: cannot load /path/libquillan_sound.so: ...";
  // empty while nothing failed.
  const std::string& failure() const { return failure_; }

 private:
  void open();

  std::string fileName_;
  std::string entry_;
  std::string service_;
  bool tried_ = false;
  void* object_ = nullptr;
  std::string failure_;
};

}  // namespace quillan::dialog
