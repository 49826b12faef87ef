// The "@" call: the function's name is found in the engine's vocabulary
// (runtime/core/FunctionNames.h), its handler in the runtime's function
// set, and the call is replaced in the working line by the result.
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

// Evaluates the "@" call at 1-based position `at` of the working line.
void callFunction(Runtime& rt, int at);

// How deep "@" calls may nest before the call is refused (error 13); the
// limit keeps a hostile line from exhausting the stack.
inline constexpr int kMaxCallDepth = 200;

}  // namespace quillan::functions
