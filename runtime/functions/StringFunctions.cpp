// String and arithmetic functions.
#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

using core::nextArgument;

void cr(Runtime& rt, std::string& result) {
  nextArgument(rt);
  result = "\r";
}

}  // namespace

void addStringFunctions(FunctionSet& set) { set[Function::Cr] = &cr; }

}  // namespace quillan::functions
