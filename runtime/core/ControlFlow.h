// The commands that change the order in which lines run: IF, ELSE, END,
// GOTO, GOSUB, EXIT, REPEAT and UNTIL. A jump sets the current line index to
// the target line; the loop's step past every line then continues after it.
#pragma once

#include "runtime/core/Commands.h"

namespace quillan::core {

void addControlFlowCommands(CommandSet& set);

}  // namespace quillan::core
