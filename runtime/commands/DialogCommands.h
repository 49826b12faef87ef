// DIALOG and WAIT: the commands of the dialog window and its events. They
// read their arguments here and act through the runtime's DialogHost.
#pragma once

#include <span>

#include "runtime/core/Commands.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kDialogCommands;

}  // namespace quillan::commands
