// The commands that need no subsystem of their own.
#pragma once

#include <span>

#include "runtime/core/Commands.h"

namespace quillan::commands {

// REM, BREAK, INFO, WARN, TITLE.
extern const std::span<const core::CommandRow> kSimpleCommands;

}  // namespace quillan::commands
