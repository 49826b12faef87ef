// The sound module's entry: the object scriptrun asks for, made of the Qt
// Multimedia players of this folder.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "runtime/dialog/ModuleLoader.h"
#include "runtime/dialog/PlayToEnd.h"
#include "runtime/dialog/QtMediaControl.h"
#include "runtime/dialog/SoundModule.h"

namespace quillan::dialog {
namespace {

class QtSoundPlayer final : public SoundPlayer {
 public:
  QtSoundPlayer() {
    // The GStreamer backend is the one that plays reliably here; the other
    // backend of this Qt release crashes on start-up.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    player_.setAudioOutput(&output_);
  }

  void play(const std::string& file, std::int64_t lengthMs, bool wait) override {
    player_.stop();
    player_.setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    if (!wait) {
      player_.play();
      return;
    }
    const bool playing = playToEnd(player_, lengthMs);
    // A sound that outran its length is cut off. One whose start took too
    // long (the sound system's first start-up can) is left to play on
    // without holding the script.
    if (playing) player_.stop();
  }

 private:
  QMediaPlayer player_;
  QAudioOutput output_;
};

class QtSoundModule final : public SoundModule {
 public:
  std::unique_ptr<SoundPlayer> makePlayer() override { return std::make_unique<QtSoundPlayer>(); }
  std::unique_ptr<os::MediaControl> makeMediaControl() override { return std::make_unique<QtMediaControl>(); }
};

}  // namespace
}  // namespace quillan::dialog

extern "C" __attribute__((visibility("default"))) void* quillan_sound_module(int interface) {
  static quillan::dialog::QtSoundModule module;
  quillan::dialog::SoundModule* object = &module;
  return interface == quillan::dialog::kModuleInterface ? object : nullptr;
}
