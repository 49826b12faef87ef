#include "runtime/dialog/QtUserInterface.h"

#include <time.h>

#include <QApplication>
#include <QAudioOutput>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QEventLoop>
#include <QIcon>
#include <QInputDialog>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <fstream>
#include <sstream>

#include "platform/posix/PosixPaths.h"
#include "platform/peicon/ExecutableIcon.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

QMessageBox::Icon qtIcon(os::BoxIcon icon) {
  switch (icon) {
    case os::BoxIcon::Information: return QMessageBox::Information;
    case os::BoxIcon::Exclamation: return QMessageBox::Warning;
    case os::BoxIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons qtButtons(os::BoxButtons buttons) {
  switch (buttons) {
    case os::BoxButtons::Ok: return QMessageBox::Ok;
    case os::BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case os::BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case os::BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The coarse clock is read in a few nanoseconds, far cheaper than asking
// the window system whether anything is waiting; its ticks are a few
// milliseconds apart, too short for a person to notice.
std::int64_t coarseTick() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

// How long a sound may take to start playing before PLAY WAIT gives up on
// it, and how long past its length it may run: the sound system needs a
// moment to set up, but a player stuck without an audio device must not
// hold the script.
constexpr int kStartAllowanceMs = 2000;
constexpr int kEndAllowanceMs = 250;
// A sound whose length cannot be read is waited for at most this long.
constexpr int kUnknownLengthMs = 60000;

}  // namespace

std::int64_t wavLengthMs(std::string_view head, std::uint64_t fileSize) {
  if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return -1;
  std::uint32_t byteRate = 0;
  std::size_t at = 12;
  while (at + 8 <= head.size()) {
    const std::string_view id = head.substr(at, 4);
    const std::uint32_t size = littleEndian32(head, at + 4);
    const std::size_t body = at + 8;
    if (id == "fmt " && body + 12 <= head.size()) byteRate = littleEndian32(head, body + 8);
    if (id == "data") {
      if (byteRate == 0) return -1;
      // Streamed files leave the size open; the rest of the file is sound.
      std::uint64_t dataSize = size;
      const std::uint64_t rest = fileSize > body ? fileSize - body : 0;
      if (dataSize == 0 || dataSize == 0xFFFFFFFFu || dataSize > rest) dataSize = rest;
      return static_cast<std::int64_t>(dataSize * 1000 / byteRate);
    }
    at = body + size + (size & 1);  // chunks are padded to an even size
  }
  return -1;
}

// One player for the whole run: a new sound stops the one still playing,
// as the desktop's own sound call does.
class SoundPlayer {
 public:
  SoundPlayer() {
    // The GStreamer backend is the one that plays reliably here; the other
    // backend of this Qt release crashes on start-up.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    player_ = std::make_unique<QMediaPlayer>();
    output_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(output_.get());
  }

  void play(const QString& path, std::int64_t lengthMs, bool wait) {
    player_->stop();
    if (!wait) {
      player_->setSource(QUrl::fromLocalFile(path));
      player_->play();
      return;
    }
    // Every signal that can end the sound quits the loop; the timer ends
    // it when the player neither plays nor fails, so the script goes on.
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
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, &context, finish);
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &context,
                     [&](QMediaPlayer::MediaStatus status) {
                       if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) finish();
                     });
    bool playing = false;
    QObject::connect(player_.get(), &QMediaPlayer::positionChanged, &context, [&](qint64) {
      if (playing) return;
      // From the moment sound flows, the sound's own length bounds the wait.
      playing = true;
      std::int64_t length = lengthMs >= 0 ? lengthMs : player_->duration();
      if (length <= 0) length = kUnknownLengthMs;
      constexpr std::int64_t kLongestTimer = std::numeric_limits<int>::max() - kEndAllowanceMs;
      limit.start(static_cast<int>(std::min(length, kLongestTimer)) + kEndAllowanceMs);
    });
    limit.start(kStartAllowanceMs);
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
    if (!done) loop.exec();
    // A sound that outran its length is cut off. One whose start took too
    // long (the sound system's first start-up can) is left to play on
    // without holding the script.
    if (playing) player_->stop();
  }

 private:
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> output_;
};

QtUserInterface::QtUserInterface(unattended::UnattendedSession* session) : session_(session) {}

QtUserInterface::~QtUserInterface() = default;

os::BoxAnswer QtUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                          os::BoxButtons buttons) {
  if (session_ != nullptr) return session_->messageBox(caption, text, icon, buttons);
  QMessageBox box(qtIcon(icon), toDisplay(caption), toDisplayText(text), qtButtons(buttons));
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes: return os::BoxAnswer::Yes;
    case QMessageBox::No: return os::BoxAnswer::No;
    case QMessageBox::Cancel: return os::BoxAnswer::Cancel;
    default: return buttons == os::BoxButtons::YesNo ? os::BoxAnswer::No : os::BoxAnswer::Ok;
  }
}

void QtUserInterface::processMessages() {
  ++rounds_;
  due_ = false;
  lastTick_ = coarseTick();
  QApplication::processEvents(QEventLoop::AllEvents);
}

void QtUserInterface::processMessagesIfDue() {
  if (due_ || coarseTick() != lastTick_) processMessages();
}

std::string QtUserInterface::applicationTitle() const { return fromDisplay(QApplication::applicationDisplayName()); }

void QtUserInterface::setApplicationTitle(std::string_view title) {
  QApplication::setApplicationDisplayName(toDisplay(title));
}

void QtUserInterface::setApplicationIconFrom(std::string_view path) {
  std::ifstream in(posix::toSystemPath(path), std::ios::binary);
  if (!in) return;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const auto ico = peicon::firstIconAsIco(bytes.str());
  if (!ico) return;
  QPixmap pixmap;
  if (pixmap.loadFromData(reinterpret_cast<const uchar*>(ico->data()), static_cast<uint>(ico->size()), "ICO"))
    QApplication::setWindowIcon(QIcon(pixmap));
}

}  // namespace quillan::dialog

namespace quillan::dialog {

bool QtUserInterface::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                               std::string& answer) {
  if (session_ != nullptr) return session_->inputBox(caption, prompt, defaultText, answer);
  QInputDialog box;
  box.setWindowTitle(toDisplay(caption));
  box.setLabelText(toDisplayText(prompt));
  box.setTextValue(toDisplay(defaultText));
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowModality(Qt::ApplicationModal);
  if (box.exec() != QDialog::Accepted) return false;
  answer = fromDisplay(box.textValue());
  return true;
}

void QtUserInterface::beep() { QApplication::beep(); }

void QtUserInterface::playSound(std::string_view path, bool wait) {
  const std::string file = posix::toSystemPath(path);
  std::ifstream in(file, std::ios::binary);
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (!in || error) {
    // A sound that is not there gives the default one.
    beep();
    return;
  }
  std::string head(64 * 1024, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  if (!sound_) sound_ = std::make_unique<SoundPlayer>();
  sound_->play(QString::fromStdString(file), wavLengthMs(head, size), wait);
}

bool QtUserInterface::endSession(os::SessionEnd how) {
  if (session_ != nullptr) {
    session_->endSession(how);
    return true;
  }
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) {
    std::fprintf(stderr, "scriptrun: EXITWIN: no system bus: %s\n", qPrintable(bus.lastError().message()));
    return false;
  }
  // A shut-down switches the power off too, as it does on any current
  // machine: halting with the power on would leave the machine waiting for
  // someone at its switch.
  const QString method = how == os::SessionEnd::Reboot ? QStringLiteral("Reboot") : QStringLiteral("PowerOff");
  QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                     QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"), method);
  call << true;  // interactive: the user may be asked to authenticate
  const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui);
  if (reply.type() == QDBusMessage::ErrorMessage) {
    std::fprintf(stderr, "scriptrun: EXITWIN: %s\n", qPrintable(reply.errorMessage()));
    return false;
  }
  return true;
}

os::ScreenFigures primaryScreenFigures() {
  os::ScreenFigures figures;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return figures;
  figures.width = screen->geometry().width();
  figures.height = screen->geometry().height();
  figures.pixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
  return figures;
}

}  // namespace quillan::dialog
