// Ending the desktop session through systemd-logind on the system D-Bus.
#pragma once

#include "platform/api/Session.h"

namespace quillan::dialog {

class LogindSessionManager final : public os::SessionManager {
 public:
  // Asks logind to power off or reboot; the reply (the user may be asked to
  // authenticate) is awaited with the windows kept alive. False, with the
  // reason on standard error, when there is no system bus or logind
  // refused.
  bool endSession(os::SessionEnd how) override;
};

}  // namespace quillan::dialog
