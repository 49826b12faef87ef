#include "runtime/functions/Functions.h"

#include <cstring>

#include "runtime/core/FieldReader.h"

namespace quillan::functions {

void installFunctions(Runtime& rt, const FunctionSet& set) {
  rt.functions = &set;
  rt.callFunction = &callFunction;
}

void callFunction(Runtime& rt, std::string& out) {
  const int at = rt.pos;
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
    out += '@';
    return;
  }
  const std::string_view name(rt.work.data() + at, static_cast<std::size_t>(open - at - 1));
  const Function function = rt.functionNames.find(name);
  if (function == Function::Count_) {
    rt.fail(core::kUnknownFunction);
    out += '@';
    return;
  }
  core::ScratchText result(rt.texts);
  rt.pos = open;
  const FunctionHandler handler = rt.functions != nullptr ? (*rt.functions)[function] : nullptr;
  if (handler == nullptr) {
    rt.notAvailable("The function " + std::string(core::kFunctionNames[static_cast<std::size_t>(function)]));
  } else if (rt.functionDepth >= kMaxCallDepth) {
    rt.fail(core::kBadValue);
  } else {
    ++rt.functionDepth;
    handler(rt, *result);
    --rt.functionDepth;
  }
  // The call is taken from the "@" through the terminator of the last
  // argument read; the result stands in its place.
  out += *result;
  if (rt.pos > rt.length()) rt.pos = rt.length();
}

}  // namespace quillan::functions
