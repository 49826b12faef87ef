// The commands that change the order in which lines run: IF, ELSE, END,
// GOTO, GOSUB, EXIT, REPEAT and UNTIL. A jump sets the current line index to
// the target line; the loop's step past every line then continues after it.
#pragma once

#include <span>

#include "runtime/core/Commands.h"

namespace quillan::core {

// The {command, handler} rows of the commands above.
extern const std::span<const CommandRow> kControlFlowCommands;

}  // namespace quillan::core
