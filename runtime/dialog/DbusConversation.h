// The dialog's conversation with another program, carried over the session
// bus by the protocol in platform/dde/DdeNames.h. Every call waits for its
// reply (at most kCallTimeoutMs) without processing the window's events,
// so no script event can slip in while a peer thinks.
#pragma once

#include <QString>

#include "platform/api/Conversation.h"

namespace quillan::dialog {

class DbusConversation final : public os::Conversation {
 public:
  DbusConversation() = default;
  DbusConversation(const DbusConversation&) = delete;
  DbusConversation& operator=(const DbusConversation&) = delete;
  // A conversation still open when its window goes is ended.
  ~DbusConversation() override { terminate(); }

  bool link(std::string_view service, std::string_view topic) override;
  bool isOpen() const override { return open_; }
  bool poke(std::string_view item, std::string_view data) override;
  bool execute(std::string_view command) override;
  bool request(std::string_view item, std::string& data) override;
  void terminate() override;

 private:
  QString service_;  // the peer's bus name
  QString topic_;    // its object path
  bool open_ = false;
};

}  // namespace quillan::dialog
