#include "runtime/dialog/TrayShells.h"

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

// The tip was cut to whole bytes: a character split at the cut would make
// the rest of the text unreadable as UTF-8, so it is left out.
QString tipText(std::string tip) {
  std::size_t end = tip.size();
  std::size_t back = 0;
  while (back < 4 && back < end && (static_cast<unsigned char>(tip[end - 1 - back]) & 0xC0) == 0x80) ++back;
  if (back < end) {
    const auto lead = static_cast<unsigned char>(tip[end - 1 - back]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0xC0 && length > back + 1) tip.resize(end - 1 - back);
  }
  return toDisplay(tip);
}

std::int32_t mouseActionOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return TTaskIcon::kLeftButtonUp;
    case QSystemTrayIcon::DoubleClick:
      return TTaskIcon::kLeftButtonDoubleClick;
    case QSystemTrayIcon::Context:
      return TTaskIcon::kRightButtonUp;
    default:
      return 0;
  }
}

}  // namespace

QtTrayShell::~QtTrayShell() = default;

bool QtTrayShell::notifyIcon(ShellRequest request, const NotifyIconData& data) {
  const Key key{data.owner, data.id};
  const auto found = icons_.find(key);
  switch (request) {
    case ShellRequest::Add: {
      if (found != icons_.end() || !QSystemTrayIcon::isSystemTrayAvailable()) return false;
      auto icon = std::make_unique<QSystemTrayIcon>(data.icon);
      icon->setToolTip(tipText(data.tip));
      QPointer<TTaskIcon> owner(data.owner);
      const std::int32_t id = data.id;
      const std::uint32_t message = data.callbackMessage;
      QObject::connect(icon.get(), &QSystemTrayIcon::activated, [owner, id, message](auto reason) {
        if (owner) owner->shellMessage(message, id, mouseActionOf(reason));
      });
      icon->show();
      icons_.emplace(key, std::move(icon));
      return true;
    }
    case ShellRequest::Modify:
      if (found == icons_.end()) return false;
      found->second->setIcon(data.icon);
      found->second->setToolTip(tipText(data.tip));
      return true;
    case ShellRequest::Delete:
      if (found == icons_.end()) return false;
      icons_.erase(found);
      return true;
  }
  return false;
}

bool HeadlessTrayShell::notifyIcon(ShellRequest request, const NotifyIconData& data) {
  const auto key = std::make_pair(static_cast<const TTaskIcon*>(data.owner), data.id);
  const auto found = icons_.find(key);
  switch (request) {
    case ShellRequest::Add:
      if (found != icons_.end()) return false;
      icons_.emplace(key, data.tip);
      return true;
    case ShellRequest::Modify:
      if (found == icons_.end()) return false;
      found->second = data.tip;
      return true;
    case ShellRequest::Delete:
      if (found == icons_.end()) return false;
      icons_.erase(found);
      return true;
  }
  return false;
}

}  // namespace quillan::dialog
