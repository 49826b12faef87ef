#include "runtime/dialog/QtMediaControl.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include "platform/posix/PosixPaths.h"
#include "runtime/dialog/MciCommand.h"
#include "runtime/dialog/PlayToEnd.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
class MediaDevice {
 public:
  explicit MediaDevice(const QString& file) {
    player_.setAudioOutput(&output_);
    player_.setSource(QUrl::fromLocalFile(file));
  }

  void play(bool wait) {
    if (!wait) {
      player_.play();
      return;
    }
    playToEnd(player_);
    if (player_.playbackState() == QMediaPlayer::PlayingState) player_.stop();
  }
  void pause() { player_.pause(); }
  void stop() { player_.stop(); }
  QMediaPlayer& player() { return player_; }

 private:
  QMediaPlayer player_;
  QAudioOutput output_;
};

QtMediaControl::QtMediaControl() {
  // As for PLAY: the GStreamer backend is the one that plays reliably here.
  if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

QtMediaControl::~QtMediaControl() = default;

bool QtMediaControl::command(std::string_view text, std::string& reply) {
  reply.clear();
  MciCommand c;
  if (!parseMciCommand(text, c, reply)) return false;
  if (c.verb == MciCommand::Verb::Open) {
    if (devices_.count(c.alias) != 0) {
      reply = "a device named \"" + c.alias + "\" is already open";
      return false;
    }
    const QString file = QFile::decodeName(QByteArray::fromStdString(posix::toSystemPath(c.device)));
    if (!QFileInfo(file).isFile()) {
      reply = "cannot open \"" + c.device + "\": no such file";
      return false;
    }
    devices_[c.alias] = std::make_unique<MediaDevice>(QFileInfo(file).absoluteFilePath());
    return true;
  }
  if (c.verb == MciCommand::Verb::Close && c.device == "ALL") {
    devices_.clear();
    return true;
  }
  const auto found = devices_.find(c.device);
  if (found == devices_.end()) {
    reply = "no device is open by the name \"" + c.device + "\"";
    return false;
  }
  MediaDevice& device = *found->second;
  switch (c.verb) {
    case MciCommand::Verb::Open:
      break;
    case MciCommand::Verb::Play:
    case MciCommand::Verb::Resume:
      device.play(c.wait);
      break;
    case MciCommand::Verb::Pause:
      device.pause();
      break;
    case MciCommand::Verb::Stop:
      device.stop();
      break;
    case MciCommand::Verb::Close:
      devices_.erase(found);
      break;
    case MciCommand::Verb::Status: {
      const QMediaPlayer& player = device.player();
      switch (c.item) {
        case MciCommand::Item::None:
        case MciCommand::Item::Mode:
          reply = player.playbackState() == QMediaPlayer::PlayingState  ? "playing"
                  : player.playbackState() == QMediaPlayer::PausedState ? "paused"
                  : player.mediaStatus() == QMediaPlayer::LoadingMedia  ? "not ready"
                                                                        : "stopped";
          break;
        case MciCommand::Item::Length:
          reply = std::to_string(std::max<qint64>(player.duration(), 0));
          break;
        case MciCommand::Item::Position:
          reply = std::to_string(std::max<qint64>(player.position(), 0));
          break;
      }
      break;
    }
  }
  return true;
}

}  // namespace quillan::dialog
