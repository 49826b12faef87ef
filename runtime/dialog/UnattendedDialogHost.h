// The dialog host of unattended mode. The window is the same real window;
// a person's part is played by the answer file's user actions, one each
// time a round of WAIT EVENT finds no event, and each is echoed to the
// transcript. With no action left, nothing can ever happen: the wait gives
// up and the line "stuck" is written.
#pragma once

#include "platform/unattended/UnattendedSession.h"
#include "runtime/dialog/QtDialogHost.h"

namespace quillan::dialog {

class UnattendedDialogHost final : public QtDialogHost {
 public:
  // session and shell must outlive the host.
  UnattendedDialogHost(core::Runtime& rt, unattended::UnattendedSession& session, TrayShell& shell)
      : QtDialogHost(rt, shell), session_(session) {}

  core::IdleOutcome idle() override;
  void reportStuck() override { session_.writeLine({"stuck"}); }
  // The choosers are not shown: the answer file chooses.
  bool chooseFile(std::string_view filter, std::string_view title, std::string& path) override {
    return session_.chooseFile(title, filter, path);
  }
  bool chooseDirectory(std::string_view title, std::string& path) override {
    return session_.chooseDirectory(title, path);
  }

 private:
  unattended::UnattendedSession& session_;
};

}  // namespace quillan::dialog
