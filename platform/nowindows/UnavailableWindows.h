// Window automation where there is none: a build without X11, or a desktop
// the program cannot reach. No window is ever found, nothing is typed, and
// the first request tells `report` once why.
#pragma once

#include <functional>
#include <string>

#include "platform/api/WindowAutomation.h"

namespace quillan::nowindows {

class UnavailableWindows final : public os::WindowAutomation {
 public:
  UnavailableWindows(std::string why, std::function<void(const std::string&)> report)
      : why_(std::move(why)), report_(std::move(report)) {}

  os::WindowId find(os::WindowLookup, std::string_view) override;
  void activate(os::WindowId) override {}
  void change(os::WindowId, os::WindowChange) override {}
  void close(os::WindowId) override {}
  void place(os::WindowId, const os::WindowRect&) override {}
  bool placement(os::WindowId, os::WindowPlacement&) override { return false; }
  void beginTyping(os::WindowId) override {}
  bool needsModifier(unsigned char) override { return false; }
  void typeCharacter(unsigned char) override {}
  void keyEvent(os::Key, bool) override {}
  void flushKeys() override {}
  void endTyping() override {}
  void sendMessage(os::WindowId, std::uint16_t, std::uint16_t, std::uint32_t) override { tell(); }
  bool activeWindow(std::string&, std::string&) override;

 private:
  void tell();
  std::string why_;
  std::function<void(const std::string&)> report_;
  bool told_ = false;
};

}  // namespace quillan::nowindows
