#include "runtime/dialog/LoadedSound.h"

#include "runtime/dialog/ModuleLoader.h"
#include "runtime/dialog/SoundModule.h"

namespace quillan::dialog {
namespace {

Module& soundLibrary() {
  static Module module(kSoundModuleFile, kSoundModuleEntry, "Sound");
  return module;
}

}  // namespace

SoundModule* soundModule() { return static_cast<SoundModule*>(soundLibrary().object()); }

const std::string& soundModuleFailure() { return soundLibrary().failure(); }

bool LoadedMediaControl::command(std::string_view text, std::string& reply) {
  if (!media_) {
    SoundModule* module = soundModule();
    if (module == nullptr) {
      reply = soundModuleFailure();
      return false;
    }
    media_ = module->makeMediaControl();
  }
  return media_->command(text, reply);
}

}  // namespace quillan::dialog
