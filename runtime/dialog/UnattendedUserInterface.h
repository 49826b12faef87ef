// The desktop of unattended mode: message and input boxes are not shown but
// written to the transcript and answered from the answer file; everything
// else (message processing, sounds, the title and icon) is the desktop's as
// usual, since dialog windows are real windows in this mode too.
#pragma once

#include "platform/unattended/UnattendedSession.h"
#include "runtime/dialog/QtUserInterface.h"

namespace quillan::dialog {

class UnattendedUserInterface final : public QtUserInterface {
 public:
  // session must outlive the interface.
  explicit UnattendedUserInterface(unattended::UnattendedSession& session) : session_(session) {}

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override {
    return session_.messageBox(caption, text, icon, buttons);
  }
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override {
    return session_.inputBox(caption, prompt, defaultText, answer);
  }

 private:
  unattended::UnattendedSession& session_;
};

}  // namespace quillan::dialog
