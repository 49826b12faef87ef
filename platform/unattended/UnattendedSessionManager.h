// The session manager of unattended mode: a request to end the session is
// written to the transcript and not carried out, so that a run with nobody
// at the screen never shuts the machine down.
//
//   exitwin <TAB> SHUTDOWN            (also: SHUTDOWN <TAB> POWEROFF, REBOOT)
#pragma once

#include "platform/api/Session.h"
#include "platform/unattended/UnattendedSession.h"

namespace quillan::unattended {

class UnattendedSessionManager final : public os::SessionManager {
 public:
  // session must outlive the manager.
  explicit UnattendedSessionManager(UnattendedSession& session) : session_(session) {}

  // Always true: the request is taken as given.
  bool endSession(os::SessionEnd how) override;

 private:
  UnattendedSession& session_;
};

}  // namespace quillan::unattended
