// The assembled function library: every handler that exists, by family.
#pragma once

#include <span>

#include "runtime/functions/Functions.h"

namespace quillan::functions {

// The full set, built once.
const FunctionSet& standardFunctions();

// Each family's {function, handler} rows.
extern const std::span<const FunctionRow> kStringFunctions;
extern const std::span<const FunctionRow> kArithmeticFunctions;
extern const std::span<const FunctionRow> kRealFunctions;
extern const std::span<const FunctionRow> kDateTimeFunctions;
extern const std::span<const FunctionRow> kKeyFunctions;
extern const std::span<const FunctionRow> kSystemFunctions;
extern const std::span<const FunctionRow> kDialogFunctions;
extern const std::span<const FunctionRow> kFileFunctions;
extern const std::span<const FunctionRow> kUserFunctions;
extern const std::span<const FunctionRow> kSettingsFunctions;
extern const std::span<const FunctionRow> kListFunctions;
extern const std::span<const FunctionRow> kMediaFunctions;
extern const std::span<const FunctionRow> kWindowFunctions;
extern const std::span<const FunctionRow> kDdeFunctions;

}  // namespace quillan::functions
