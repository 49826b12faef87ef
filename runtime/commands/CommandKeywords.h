// Every keyword table of the interpreter, for the table test.
#pragma once

#include <vector>

#include "runtime/core/KeywordRegistry.h"

namespace quillan::commands {

// The engine's tables, the function library's and the commands'.
std::vector<core::KeywordTableFacts> allKeywordTables();

}  // namespace quillan::commands
