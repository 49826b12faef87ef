#include "runtime/dialog/TaskIcon.h"

#include <QCursor>

namespace quillan::dialog {

TTaskIcon::TTaskIcon(TrayShell& shell, QObject* owner) : QObject(owner), shell_(shell) {}

TTaskIcon::~TTaskIcon() {
  if (active_) setActive(false);
}

void TTaskIcon::fillRecord() {
  record_.owner = this;
  record_.id = id_;
  record_.flags = NotifyIconData::kMessage | NotifyIconData::kIcon | NotifyIconData::kTip;
  record_.callbackMessage = kCallbackMessage;
  record_.icon = icon_;
  record_.tip = toolTip_.substr(0, NotifyIconData::kTipSize - 1);
}

bool TTaskIcon::send(ShellRequest request) {
  if (request != ShellRequest::Delete) fillRecord();
  return shell_.notifyIcon(request, record_);
}

void TTaskIcon::setActive(bool active) {
  if (active == active_) return;
  if (active) {
    active_ = send(ShellRequest::Add);
  } else {
    active_ = !send(ShellRequest::Delete);
  }
}

void TTaskIcon::setIcon(const QIcon& icon) {
  if (&icon == &icon_) return;
  icon_ = icon;
  if (active_) send(ShellRequest::Modify);
}

void TTaskIcon::setToolTip(std::string_view tip) {
  const std::string kept(tip.substr(0, kToolTipLength));
  if (kept == toolTip_) return;
  toolTip_ = kept;
  if (active_) send(ShellRequest::Modify);
}

void TTaskIcon::setTaskIconID(std::int32_t id) {
  if (id == id_) return;
  if (!active_) {
    id_ = id;
    return;
  }
  // The shell knows the icon by its identifier: a modification under the
  // new one would find no icon, and the old one could never be removed.
  // Move it instead.
  send(ShellRequest::Delete);
  id_ = id;
  active_ = send(ShellRequest::Add);
}

void TTaskIcon::shellMessage(std::uint32_t message, std::int32_t wParam, std::int32_t lParam) {
  if (message != kCallbackMessage || wParam != id_) return;
  switch (lParam) {
    case kLeftButtonUp:
      if (OnClick) OnClick(this);
      break;
    case kLeftButtonDoubleClick:
      if (OnDblClick) OnDblClick(this);
      break;
    case kRightButtonUp:
      if (OnRightClick) {
        const QPoint at = QCursor::pos();
        OnRightClick(this, Qt::RightButton, Qt::NoModifier, at.x(), at.y());
      }
      break;
    default:
      break;
  }
}

}  // namespace quillan::dialog
