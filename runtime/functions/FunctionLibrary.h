// The assembled function library: every handler that exists, by family.
#pragma once

#include "runtime/functions/Functions.h"

namespace quillan::functions {

// The full set, built once.
const FunctionSet& standardFunctions();

// Each family fills in its own handlers.
void addStringFunctions(FunctionSet& set);
void addArithmeticFunctions(FunctionSet& set);
void addRealFunctions(FunctionSet& set);
void addDateTimeFunctions(FunctionSet& set);
void addKeyFunctions(FunctionSet& set);
void addSystemFunctions(FunctionSet& set);
void addDialogFunctions(FunctionSet& set);
void addUserFunctions(FunctionSet& set);

}  // namespace quillan::functions
