#include "runtime/commands/CommandLibrary.h"

#include "runtime/commands/DialogCommands.h"
#include "runtime/commands/FileCommands.h"
#include "runtime/commands/ListCommands.h"
#include "runtime/commands/ProgramCommands.h"
#include "runtime/commands/SimpleCommands.h"
#include "runtime/commands/SystemCommands.h"
#include "runtime/commands/WindowCommands.h"
#include "runtime/core/ControlFlow.h"

namespace quillan::commands {

const core::CommandSet& standardCommands() {
  static const core::CommandSet set{kSimpleCommands,    core::kControlFlowCommands,
                                    kProgramCommands,   kDialogCommands,
                                    kRegistryCommands,  kIniFileCommands,
                                    kOptionCommands,    kListCommands,
                                    kClipboardCommands, kWindowCommands,
                                    kDdeCommands,       kFileCommands,
                                    kDirectoryCommands};
  return set;
}

}  // namespace quillan::commands
