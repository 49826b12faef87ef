#include "platform/unattended/UnattendedSessionManager.h"

namespace quillan::unattended {

bool UnattendedSessionManager::endSession(os::SessionEnd how) {
  switch (how) {
    case os::SessionEnd::Shutdown:
      session_.writeLine({"exitwin", "SHUTDOWN"});
      break;
    case os::SessionEnd::PowerOff:
      session_.writeLine({"exitwin", "SHUTDOWN", "POWEROFF"});
      break;
    case os::SessionEnd::Reboot:
      session_.writeLine({"exitwin", "REBOOT"});
      break;
  }
  return true;
}

}  // namespace quillan::unattended
