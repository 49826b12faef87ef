#include "runtime/dialog/QtUserInterface.h"

#include <time.h>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
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

}  // namespace

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
