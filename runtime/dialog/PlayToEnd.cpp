#include "runtime/dialog/PlayToEnd.h"

#include <QEventLoop>
#include <QMediaPlayer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace quillan::dialog {

namespace {

// How long a sound may take to start playing before the wait gives up on
// it, and how long past its length it may run: the sound system needs a
// moment to set up, but a player stuck without an audio device must not
// hold the script.
constexpr int kStartAllowanceMs = 2000;
constexpr int kEndAllowanceMs = 250;
// A sound whose length cannot be read is waited for at most this long.
constexpr std::int64_t kUnknownLengthMs = 60000;

}  // namespace

bool playToEnd(QMediaPlayer& player, std::int64_t lengthMs) {
  // Every signal that can end the sound quits the loop; the timer ends it
  // when the player neither plays nor fails, so the script goes on.
  QEventLoop loop;
  QObject context;
  QTimer limit;
  limit.setSingleShot(true);
  bool done = false;
  const auto finish = [&] {
    done = true;
    loop.quit();
  };
  QObject::connect(&limit, &QTimer::timeout, &context, finish);
  QObject::connect(&player, &QMediaPlayer::errorOccurred, &context, finish);
  QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &context, [&](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) finish();
  });
  bool playing = false;
  QObject::connect(&player, &QMediaPlayer::positionChanged, &context, [&](qint64) {
    if (playing) return;
    // From the moment sound flows, the sound's own length bounds the wait.
    playing = true;
    std::int64_t left = lengthMs >= 0 ? lengthMs : player.duration() - player.position();
    if (left <= 0) left = kUnknownLengthMs;
    constexpr std::int64_t kLongestTimer = std::numeric_limits<int>::max() - kEndAllowanceMs;
    limit.start(static_cast<int>(std::min(left, kLongestTimer)) + kEndAllowanceMs);
  });
  limit.start(kStartAllowanceMs);
  player.play();
  if (!done) loop.exec();
  return playing;
}

}  // namespace quillan::dialog
