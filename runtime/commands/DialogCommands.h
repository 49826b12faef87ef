// DIALOG and WAIT: the commands of the dialog window and its events. They
// read their arguments here and act through the runtime's DialogHost.
#pragma once

#include "runtime/core/Commands.h"

namespace quillan::commands {

void addDialogCommands(core::CommandSet& set);

}  // namespace quillan::commands
