// The assembled command set: every handler that exists, from every layer of
// the interpreter. Commands missing here end a script with a report that
// they are not available.
#pragma once

#include "runtime/core/Commands.h"

namespace quillan::commands {

const core::CommandSet& standardCommands();

}  // namespace quillan::commands
