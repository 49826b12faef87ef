// The commands that need no subsystem of their own.
#pragma once

#include "runtime/core/Commands.h"

namespace quillan::core {

// REM, BREAK, INFO, WARN, TITLE.
void addSimpleCommands(CommandSet& set);

}  // namespace quillan::core
