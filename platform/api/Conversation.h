// A script's conversation with another program: one service and topic at
// a time, over which it sends data to items, asks for commands to be run
// and reads items. Names and texts are script text (8-bit bytes); the
// transport converts them. Every outcome is a yes or no: a peer that is
// missing, refuses or does not answer in time is a no, never an error of
// the script.
#pragma once

#include <string>
#include <string_view>

namespace quillan::os {

class Conversation {
 public:
  virtual ~Conversation() = default;

  // Ends the conversation held, if any, then opens one with the program
  // serving service and topic. True when it is open.
  virtual bool link(std::string_view service, std::string_view topic) = 0;
  // True from a successful link until terminate or a failed link.
  virtual bool isOpen() const = 0;
  // Sends data to item. False when no conversation is open or the peer
  // refused it.
  virtual bool poke(std::string_view item, std::string_view data) = 0;
  // Asks the peer to run command; true once the peer has accepted it (it
  // need not have finished).
  virtual bool execute(std::string_view command) = 0;
  // The item's data into data (empty when the peer has none). False, with
  // data empty, when no conversation is open, the peer refused the item or
  // did not answer in time.
  virtual bool request(std::string_view item, std::string& data) = 0;
  // Ends the conversation held, if any; the peer's answer does not matter.
  virtual void terminate() = 0;
};

}  // namespace quillan::os
