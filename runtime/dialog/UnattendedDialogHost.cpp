#include "runtime/dialog/UnattendedDialogHost.h"

#include <cstdio>

#include "runtime/dialog/ActionPlayer.h"
#include "runtime/dialog/UserAction.h"

namespace quillan::dialog {

core::IdleOutcome UnattendedDialogHost::idle() {
  auto& queue = session_.actions();
  if (queue.empty()) return core::IdleOutcome::Stuck;
  const std::string line = std::move(queue.front());
  queue.pop_front();
  UserAction action;
  std::string problem;
  if (!parseUserAction(line, action, problem)) {
    std::fprintf(stderr, "scriptrun: the action \"%s\" %s; it is skipped\n", line.c_str(), problem.c_str());
    return core::IdleOutcome::Acted;
  }
  session_.writeLine({"action", line});
  if (!exists() || form() == nullptr) {
    problem = "finds no dialog";
  } else if (performUserAction(*form(), action, problem)) {
    return core::IdleOutcome::Acted;
  }
  std::fprintf(stderr, "scriptrun: the action \"%s\" %s\n", line.c_str(), problem.c_str());
  return core::IdleOutcome::Acted;
}

}  // namespace quillan::dialog
