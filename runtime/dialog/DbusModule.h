// The D-Bus module (libquillan_dbus.so): the dialog's conversation with
// another program over the session bus and the end of the session through
// logind, which scriptrun loads the first time a script uses DDE or EXITWIN
// (see ModuleLoader.h).
#pragma once

#include <memory>
#include <string>

#include "platform/api/Conversation.h"
#include "platform/api/Session.h"

namespace quillan::dialog {

class DbusModule {
 public:
  virtual std::unique_ptr<os::Conversation> makeConversation() = 0;
  virtual std::unique_ptr<os::SessionManager> makeSessionManager() = 0;

 protected:
  ~DbusModule() = default;  // the module keeps its one object
};

inline constexpr const char* kDbusModuleFile = "libquillan_dbus.so";
inline constexpr const char* kDbusModuleEntry = "quillan_dbus_module";

// The module, opened on first use; null when it cannot be had, with the
// reason in dbusModuleFailure().
DbusModule* dbusModule();
const std::string& dbusModuleFailure();

}  // namespace quillan::dialog
