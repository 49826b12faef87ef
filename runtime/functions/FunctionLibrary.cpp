#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {

const FunctionSet& standardFunctions() {
  static const FunctionSet set{kStringFunctions,   kArithmeticFunctions, kRealFunctions,   kDateTimeFunctions,
                               kKeyFunctions,      kSystemFunctions,     kDialogFunctions, kUserFunctions,
                               kSettingsFunctions, kListFunctions,       kMediaFunctions,  kWindowFunctions,
                               kDdeFunctions,      kFileFunctions};
  return set;
}

}  // namespace quillan::functions
