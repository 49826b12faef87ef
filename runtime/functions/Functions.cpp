#include "runtime/functions/Functions.h"

#include <cstring>

#include "runtime/core/FieldReader.h"

namespace quillan::functions {

void installFunctions(Runtime& rt, const FunctionSet& set) {
  rt.functions = &set;
  rt.callFunction = &callFunction;
}

void callFunction(Runtime& rt, int at) {
  // The "(" is searched from the second character of the name on and must
  // come before the last character of the line.
  // (1-based positions: the search runs from at + 2 up to, not including,
  // the last character.)
  int open = rt.length();
  if (at + 2 < rt.length()) {
    const char* from = rt.work.data() + at + 1;
    const void* found = std::memchr(from, '(', static_cast<std::size_t>(rt.length() - at - 2));
    if (found != nullptr) open = at + 2 + static_cast<int>(static_cast<const char*>(found) - from);
  }
  if (open >= rt.length()) {
    rt.fail(core::kNoParenthesis);
    return;
  }
  const std::string_view name(rt.work.data() + at, static_cast<std::size_t>(open - at - 1));
  const Function function = rt.functionNames.find(name);
  if (function == Function::Count_) {
    rt.fail(core::kUnknownFunction);
    return;
  }
  std::string result;
  rt.pos = open;
  const FunctionHandler handler = rt.functions != nullptr ? (*rt.functions)[function] : nullptr;
  if (handler == nullptr) {
    rt.notAvailable("The function " + std::string(core::kFunctionNames[static_cast<std::size_t>(function)]));
  } else if (rt.functionDepth >= kMaxCallDepth) {
    rt.fail(core::kBadValue);
  } else {
    ++rt.functionDepth;
    handler(rt, result);
    --rt.functionDepth;
  }
  // Replace from the "@" through the terminator of the last argument read.
  const int last = rt.pos < rt.length() ? rt.pos : rt.length();
  rt.work.replace(static_cast<std::size_t>(at - 1), static_cast<std::size_t>(last - at + 1), result);
  rt.pos = at - 1 + static_cast<int>(result.size());
}

}  // namespace quillan::functions
