// The checker quillanc runs over every script it compiles (and alone with
// --check): faults that the runtime would only find when the line runs,
// or never, reported with the line and column of the text at fault.
#pragma once

#include <string>
#include <vector>

#include "tools/quillanc/check/Warning.h"

namespace quillan::checker {

// The warnings for a script given as its lines (as quillanc splits them),
// ordered by line and column.
std::vector<Warning> checkScript(const std::vector<std::string>& lines);

}  // namespace quillan::checker
