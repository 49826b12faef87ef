// The "@" call: the function's name is found in the engine's vocabulary
// (runtime/core/FunctionNames.h), its handler in the runtime's function
// set, and the result takes the call's place in the argument being read.
#pragma once

#include "runtime/core/FunctionNames.h"
#include "runtime/core/Runtime.h"

namespace quillan::functions {

using core::Function;
using core::FunctionHandler;
using core::FunctionRow;
using core::FunctionSet;
using core::Runtime;

// Installs the call routine into the runtime: "@" calls then run the
// handlers of set (which must outlive the run).
void installFunctions(Runtime& rt, const FunctionSet& set);

// Evaluates the "@" call at the read position and appends its result to
// out. The position is left on the last character the call took: the
// terminator of the last argument the function read (normally the ")"),
// the "(" when it read none, or the "@" itself when the call failed before
// its function ran (the "@" is then appended and the name is read on as
// plain text).
void callFunction(Runtime& rt, std::string& out);

// How deep "@" calls may nest before the call is refused (error 13); the
// limit keeps a hostile line from exhausting the stack.
inline constexpr int kMaxCallDepth = 200;

}  // namespace quillan::functions
