// From the command line to the first script line: the choice between a
// compiled script file and the built-in script, loading, and the "Cannot
// run" report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/Runtime.h"

namespace quillan::core {

// The line run when no compiled script file is named: it shows the version.
extern const std::string_view kBuiltInScript;

// True when path names a compiled script file by its extension (".EXE" in
// any case).
bool isCompiledScriptName(std::string_view path);

// Loads the script named by scriptArg (command-line argument 1) into the
// store, prepares the run and runs it. Returns false when the file could not
// be run; the "Cannot run" box has then been shown.
bool runScript(Runtime& rt, std::string_view scriptArg, const std::vector<std::string>& parameters);

}  // namespace quillan::core
