// Ending the desktop session: the machine is shut down or restarted by the
// system's session manager, which also decides whether the user may.
#pragma once

namespace quillan::os {

enum class SessionEnd {
  Shutdown,  // stop the system; where the hardware allows, power it off too
  PowerOff,  // stop the system and switch the power off
  Reboot,    // stop the system and start it again
};

class SessionManager {
 public:
  virtual ~SessionManager() = default;
  // Hands the request to the session manager and returns at once; true when
  // it was handed over (the manager may still refuse or ask the user).
  virtual bool endSession(SessionEnd how) = 0;
};

}  // namespace quillan::os
