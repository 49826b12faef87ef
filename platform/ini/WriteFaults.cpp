#include "platform/ini/WriteFaults.h"

#include <unistd.h>

#include <optional>

namespace quillan::ini::faults {

namespace {

struct Armed {
  WriteStep step;
  int error;
  Action action;
};
std::optional<Armed> armed;

}  // namespace

void arm(WriteStep step, int error, Action action) { armed = Armed{step, error, action}; }

void disarm() { armed.reset(); }

int fire(WriteStep step) {
  if (!armed || armed->step != step) return 0;
  const Armed fault = *armed;
  armed.reset();
  if (fault.action == Action::EndProcess) ::_exit(0);
  return fault.error;
}

}  // namespace quillan::ini::faults
