#include "runtime/dialog/LoadedDbus.h"

#include <cstdio>

#include "runtime/dialog/DbusModule.h"
#include "runtime/dialog/ModuleLoader.h"

namespace quillan::dialog {
namespace {

Module& dbusLibrary() {
  static Module module(kDbusModuleFile, kDbusModuleEntry, "D-Bus");
  return module;
}

// The module, or null after telling why, once per run.
DbusModule* dbusOrTell() {
  DbusModule* module = dbusModule();
  static bool told = false;
  if (module == nullptr && !told) {
    std::fprintf(stderr, "scriptrun: %s\n", dbusModuleFailure().c_str());
    told = true;
  }
  return module;
}

}  // namespace

DbusModule* dbusModule() { return static_cast<DbusModule*>(dbusLibrary().object()); }

const std::string& dbusModuleFailure() { return dbusLibrary().failure(); }

bool LoadedConversation::link(std::string_view service, std::string_view topic) {
  if (!conversation_) {
    DbusModule* module = dbusOrTell();
    if (module == nullptr) return false;
    conversation_ = module->makeConversation();
  }
  return conversation_->link(service, topic);
}

bool LoadedConversation::poke(std::string_view item, std::string_view data) {
  return conversation_ && conversation_->poke(item, data);
}

bool LoadedConversation::execute(std::string_view command) { return conversation_ && conversation_->execute(command); }

bool LoadedConversation::request(std::string_view item, std::string& data) {
  data.clear();
  return conversation_ && conversation_->request(item, data);
}

void LoadedConversation::terminate() {
  if (conversation_) conversation_->terminate();
}

bool LoadedSessionManager::endSession(os::SessionEnd how) {
  if (!manager_) {
    DbusModule* module = dbusOrTell();
    if (module == nullptr) return false;
    manager_ = module->makeSessionManager();
  }
  return manager_->endSession(how);
}

}  // namespace quillan::dialog
