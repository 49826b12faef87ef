// The sound module (libquillan_sound.so): PLAY's player and the MCI
// function's devices over Qt Multimedia, which scriptrun loads the first
// time a script plays something (see ModuleLoader.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/api/MediaControl.h"

namespace quillan::dialog {

// One player for the whole run: a new sound stops the one still playing.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // file is a path of the system; lengthMs the sound's length when known
  // (else -1); see os::UserInterface::playSound for wait.
  virtual void play(const std::string& file, std::int64_t lengthMs, bool wait) = 0;
};

class SoundModule {
 public:
  virtual std::unique_ptr<SoundPlayer> makePlayer() = 0;
  virtual std::unique_ptr<os::MediaControl> makeMediaControl() = 0;

 protected:
  ~SoundModule() = default;  // the module keeps its one object
};

inline constexpr const char* kSoundModuleFile = "libquillan_sound.so";
inline constexpr const char* kSoundModuleEntry = "quillan_sound_module";

// The module, opened on first use; null when it cannot be had, with the
// reason in soundModuleFailure().
SoundModule* soundModule();
const std::string& soundModuleFailure();

}  // namespace quillan::dialog
