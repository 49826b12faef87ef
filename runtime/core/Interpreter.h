// The interpreter loop: one script line per pass, the window system given
// its turn at the top of each pass, the command found by its first word.
#pragma once

#include <string>

#include "runtime/core/Runtime.h"

namespace quillan::core {

// Runs the script from rt.line until it stops, reports a run-time error if
// one ended it, and terminates.
void startScript(Runtime& rt);

// The loop alone (no report, no termination), for tests and benchmarks.
void runLines(Runtime& rt);

// Ends the run: closes the dialog, releases the store, marks the runtime
// terminated. Safe to call twice.
void terminate(Runtime& rt);

// "Run time error %3d\rat line %3d".
std::string runTimeErrorText(int code, int lineNumber);
// "Unexpected error\rat line %3d".
std::string unexpectedErrorText(int lineIndex);
// "Out of memory\rat line %3d".
std::string outOfMemoryText(int lineIndex);

// Reports a failure that escaped while messages were processed, and ends
// the script: no further line runs.
void reportUnexpected(Runtime& rt);
// The same for an allocation that failed: the script's variables are
// released first, so the report itself has memory to work with.
void reportOutOfMemory(Runtime& rt);

// Shows a box with the OK button and the exclamation icon, captioned with
// the application title: the form of every error report.
void showErrorBox(Runtime& rt, const std::string& text);

}  // namespace quillan::core
