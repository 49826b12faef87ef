#include "runtime/dialog/QtUserInterface.h"

#include <time.h>

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/peicon/ExecutableIcon.h"
#include "platform/posix/PosixPaths.h"
#include "runtime/dialog/SoundModule.h"
#include "runtime/dialog/TextCodec.h"
#include "runtime/dialog/WavHeader.h"

namespace quillan::dialog {
namespace {

QMessageBox::Icon qtIcon(os::BoxIcon icon) {
  switch (icon) {
    case os::BoxIcon::Information:
      return QMessageBox::Information;
    case os::BoxIcon::Exclamation:
      return QMessageBox::Warning;
    case os::BoxIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons qtButtons(os::BoxButtons buttons) {
  switch (buttons) {
    case os::BoxButtons::Ok:
      return QMessageBox::Ok;
    case os::BoxButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case os::BoxButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case os::BoxButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
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

}  // namespace

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface() = default;

os::BoxAnswer QtUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                          os::BoxButtons buttons) {
  QMessageBox box(qtIcon(icon), toDisplay(caption), toDisplayText(text), qtButtons(buttons));
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return os::BoxAnswer::Yes;
    case QMessageBox::No:
      return os::BoxAnswer::No;
    case QMessageBox::Cancel:
      return os::BoxAnswer::Cancel;
    default:
      return buttons == os::BoxButtons::YesNo ? os::BoxAnswer::No : os::BoxAnswer::Ok;
  }
}

void QtUserInterface::processMessages() {
  ++rounds_;
  lastTick_ = coarseTick();
  QApplication::processEvents(QEventLoop::AllEvents);
}

void QtUserInterface::processMessagesIfDue() {
  if (coarseTick() != lastTick_) processMessages();
}

std::string QtUserInterface::applicationTitle() const {
  return title_ ? *title_ : fromDisplay(QApplication::applicationDisplayName());
}

// Kept here and not made the application's display name: Qt appends the
// display name to every window title it gives the desktop, and a script's
// windows must carry exactly their captions, which other scripts search for.
void QtUserInterface::setApplicationTitle(std::string_view title) { title_.emplace(title); }

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
  if (!sound_) {
    SoundModule* module = soundModule();
    if (module == nullptr) {
      // Told once; every sound that cannot be played gives the bell.
      if (!soundMissingTold_) std::fprintf(stderr, "scriptrun: %s\n", soundModuleFailure().c_str());
      soundMissingTold_ = true;
      beep();
      return;
    }
    sound_ = module->makePlayer();
  }
  sound_->play(file, wavLengthMs(head, size), wait);
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
