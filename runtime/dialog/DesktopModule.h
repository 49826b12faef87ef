// The desktop module (libquillan_desktop.so): everything of scriptrun that
// needs Qt (the boxes, the dialog window, the clipboard, the tray, the
// screen, and through them sound and D-Bus). scriptrun itself links no Qt
// and loads this module the first time a script needs the desktop, so a
// script that only computes, reads files or runs programs starts without
// Qt's libraries (see LazyDesktop.h).
#pragma once

#include <functional>
#include <memory>

#include "platform/api/Clipboard.h"
#include "platform/api/MediaControl.h"
#include "platform/api/Session.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/UserInterface.h"
#include "runtime/core/DialogHost.h"

namespace quillan::core {
struct Runtime;
}
namespace quillan::unattended {
class UnattendedSession;
}

namespace quillan::dialog {

// What scriptrun hands the module when it opens the desktop.
struct DesktopRequest {
  core::Runtime* rt = nullptr;
  // Null when somebody is at the screen; otherwise the run's transcript
  // and answer file, which the boxes and the dialog then use.
  unattended::UnattendedSession* session = nullptr;
  // A failure that escaped a window message's handler, and one that was
  // an allocation.
  std::function<void(const char* what)> onException;
  std::function<void()> onOutOfMemory;
};

// The desktop, opened: the application object and the services behind the
// interpreter's interfaces. Destroyed before the runtime it was given.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual os::UserInterface& ui() = 0;
  virtual core::DialogHost& dialogs() = 0;
  virtual os::Clipboard& clipboard() = 0;
  virtual os::MediaControl& media() = 0;
  // Null in unattended runs, whose session manager is the transcript's.
  virtual os::SessionManager* sessionManager() = 0;
  virtual os::ScreenFigures screen() = 0;
  // Lets the window system finish what the last lines queued (closing the
  // dialog) before the program leaves.
  virtual void finish() = 0;
};

class DesktopModule {
 public:
  virtual std::unique_ptr<Desktop> open(const DesktopRequest& request) = 0;

 protected:
  ~DesktopModule() = default;  // the module keeps its one object
};

inline constexpr const char* kDesktopModuleFile = "libquillan_desktop.so";
inline constexpr const char* kDesktopModuleEntry = "quillan_desktop_module";

}  // namespace quillan::dialog
