// The desktop through Qt Widgets: message boxes, message processing, the
// application's title and icon. In unattended mode the boxes go to the
// transcript instead of the screen.
#pragma once

#include <cstdint>

#include "platform/api/UserInterface.h"
#include "platform/unattended/UnattendedSession.h"

namespace quillan::dialog {

class QtUserInterface final : public os::UserInterface {
 public:
  // session is null when someone is at the screen.
  explicit QtUserInterface(unattended::UnattendedSession* session) : session_(session) {}

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  void processMessages() override;
  void processMessagesIfDue() override;
  std::string applicationTitle() const override;
  void setApplicationTitle(std::string_view title) override;
  void setApplicationIconFrom(std::string_view path) override;

  // Makes the next line process messages at once, e.g. after a handler of
  // ours queued something for the script.
  void requestMessageRound() { due_ = true; }

  // How many times messages were actually processed, for the benchmark.
  std::uint64_t rounds() const { return rounds_; }

 private:
  unattended::UnattendedSession* session_;
  std::int64_t lastTick_ = 0;  // coarse-clock reading of the last round
  bool due_ = false;
  std::uint64_t rounds_ = 0;
};

}  // namespace quillan::dialog
