// The notification area behind TTaskIcon: the desktop's system tray
// through Qt, or, for runs with nobody at the screen, a shell that keeps
// its icons to itself.
#pragma once

#include <QPointer>
#include <QSystemTrayIcon>
#include <map>
#include <memory>
#include <utility>

#include "runtime/dialog/TaskIcon.h"

namespace quillan::dialog {

// One QSystemTrayIcon per icon. Refuses everything when the desktop has no
// system tray, as a desktop without a notification area would.
class QtTrayShell final : public TrayShell {
 public:
  ~QtTrayShell() override;
  bool notifyIcon(ShellRequest request, const NotifyIconData& data) override;

 private:
  using Key = std::pair<const TTaskIcon*, std::int32_t>;
  std::map<Key, std::unique_ptr<QSystemTrayIcon>> icons_;
};

// Accepts icons and shows them nowhere, so unattended runs behave the same
// on any desktop; a user action plays the clicks.
class HeadlessTrayShell final : public TrayShell {
 public:
  bool notifyIcon(ShellRequest request, const NotifyIconData& data) override;

 private:
  std::map<std::pair<const TTaskIcon*, std::int32_t>, std::string> icons_;  // the tips shown
};

}  // namespace quillan::dialog
