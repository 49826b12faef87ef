// A conversation for tests: records every call in order and answers from
// a map of items. A call planned to fail in `faults` ("link", "poke",
// "execute", "request") is refused by the peer; a link to a service in
// `absentServices` finds nobody.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/api/Conversation.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

class FakeConversation : public os::Conversation {
 public:
  // "link service|topic", "poke item|data", "execute command",
  // "request item", "terminate": what reached the peer.
  std::vector<std::string> calls;
  std::map<std::string, std::string> items;  // what a request answers
  std::set<std::string> absentServices;
  FailOnCue faults;

  bool link(std::string_view service, std::string_view topic) override {
    terminate();
    calls.push_back("link " + std::string(service) + "|" + std::string(topic));
    open_ = absentServices.count(std::string(service)) == 0 && faults.next("link") == 0;
    return open_;
  }
  bool isOpen() const override { return open_; }
  bool poke(std::string_view item, std::string_view data) override {
    if (!open_) return false;
    calls.push_back("poke " + std::string(item) + "|" + std::string(data));
    if (faults.next("poke") != 0) return false;
    items[std::string(item)] = std::string(data);
    return true;
  }
  bool execute(std::string_view command) override {
    if (!open_) return false;
    calls.push_back("execute " + std::string(command));
    return faults.next("execute") == 0;
  }
  bool request(std::string_view item, std::string& data) override {
    data.clear();
    if (!open_) return false;
    calls.push_back("request " + std::string(item));
    if (faults.next("request") != 0) return false;
    const auto it = items.find(std::string(item));
    if (it != items.end()) data = it->second;
    return true;
  }
  void terminate() override {
    if (!open_) return;
    calls.push_back("terminate");
    open_ = false;
  }

 private:
  bool open_ = false;
};

}  // namespace quillan::fake
