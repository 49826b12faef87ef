#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {

const FunctionSet& standardFunctions() {
  static const FunctionSet set = [] {
    FunctionSet s;
    addStringFunctions(s);
    addArithmeticFunctions(s);
    addRealFunctions(s);
    addDateTimeFunctions(s);
    addKeyFunctions(s);
    addSystemFunctions(s);
    addDialogFunctions(s);
    addUserFunctions(s);
    return s;
  }();
  return set;
}

}  // namespace quillan::functions
