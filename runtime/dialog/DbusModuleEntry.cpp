// The D-Bus module's entry: the object scriptrun asks for, made of the
// conversation and the session manager of this folder.
#include "runtime/dialog/DbusConversation.h"
#include "runtime/dialog/DbusModule.h"
#include "runtime/dialog/LogindSessionManager.h"
#include "runtime/dialog/ModuleLoader.h"

namespace quillan::dialog {
namespace {

class QtDbusModule final : public DbusModule {
 public:
  std::unique_ptr<os::Conversation> makeConversation() override { return std::make_unique<DbusConversation>(); }
  std::unique_ptr<os::SessionManager> makeSessionManager() override { return std::make_unique<LogindSessionManager>(); }
};

}  // namespace
}  // namespace quillan::dialog

extern "C" __attribute__((visibility("default"))) void* quillan_dbus_module(int interface) {
  static quillan::dialog::QtDbusModule module;
  quillan::dialog::DbusModule* object = &module;
  return interface == quillan::dialog::kModuleInterface ? object : nullptr;
}
