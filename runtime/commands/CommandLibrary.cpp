#include "runtime/commands/CommandLibrary.h"

#include "runtime/commands/DialogCommands.h"
#include "runtime/core/ControlFlow.h"
#include "runtime/core/ProgramCommands.h"
#include "runtime/core/SimpleCommands.h"

namespace quillan::commands {

const core::CommandSet& standardCommands() {
  static const core::CommandSet set = [] {
    core::CommandSet s;
    core::addSimpleCommands(s);
    core::addControlFlowCommands(s);
    core::addProgramCommands(s);
    addDialogCommands(s);
    return s;
  }();
  return set;
}

}  // namespace quillan::commands
