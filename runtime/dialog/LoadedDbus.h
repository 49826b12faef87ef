// DDE and EXITWIN through the D-Bus module, loaded when a script first
// links a conversation or ends the session. Without the module a link
// fails and the session is not ended, with the reason on standard error.
#pragma once

#include <memory>

#include "platform/api/Conversation.h"
#include "platform/api/Session.h"

namespace quillan::dialog {

class LoadedConversation final : public os::Conversation {
 public:
  bool link(std::string_view service, std::string_view topic) override;
  bool isOpen() const override { return conversation_ && conversation_->isOpen(); }
  bool poke(std::string_view item, std::string_view data) override;
  bool execute(std::string_view command) override;
  bool request(std::string_view item, std::string& data) override;
  void terminate() override;

 private:
  std::unique_ptr<os::Conversation> conversation_;  // made on the first link
};

class LoadedSessionManager final : public os::SessionManager {
 public:
  bool endSession(os::SessionEnd how) override;

 private:
  std::unique_ptr<os::SessionManager> manager_;
};

}  // namespace quillan::dialog
