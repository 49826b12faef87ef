#include "runtime/functions/Functions.h"

#include <cstring>

#include "runtime/core/FieldReader.h"

namespace quillan::functions {

void installFunctions(Runtime& rt, const FunctionSet& set) {
  rt.functions = &set;
  rt.callFunction = &callFunction;
}

namespace {

// The call site's slot in the runtime's cache.
Runtime::CallSite& callSiteOf(Runtime& rt, int at) {
  const auto hash = static_cast<std::uint32_t>(rt.workLine) * 2654435761u + static_cast<std::uint32_t>(at);
  return rt.callSites[(hash * 2654435761u) >> 24];
}

// Reads the call's "(" and name from the line. The "(" is searched from
// the second character of the name on and must come before the last
// character of the line (1-based positions: the search runs from at + 2
// up to, not including, the last character). False, with the error set and
// the "@" appended to out, for a call without "(" or of no function.
bool readCall(Runtime& rt, std::string& out, int at, int& open, Function& function) {
  open = rt.length();
  if (at + 2 < rt.length()) {
    const char* from = rt.work.data() + at + 1;
    const void* found = std::memchr(from, '(', static_cast<std::size_t>(rt.length() - at - 2));
    if (found != nullptr) open = at + 2 + static_cast<int>(static_cast<const char*>(found) - from);
  }
  if (open >= rt.length()) {
    rt.fail(core::kNoParenthesis);
    out += '@';
    return false;
  }
  const std::string_view name(rt.work.data() + at, static_cast<std::size_t>(open - at - 1));
  function = rt.functionNames.find(name);
  if (function == Function::Count_) {
    rt.fail(core::kUnknownFunction);
    out += '@';
    return false;
  }
  return true;
}

// Runs the function's handler from its "(" with result as its (empty)
// result text. The call is taken from the "@" through the terminator of
// the last argument read; the result stands in its place.
inline void runHandler(Runtime& rt, Function function, int open, std::string& result) {
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
}

}  // namespace

void callFunction(Runtime& rt, std::string& out) {
  const int at = rt.pos;
  int open = 0;
  Function function{};
  // Where the "(" is and which function the name selects depend only on
  // the bytes from the "@" on, which for a stored line never change while
  // the script runs: found once per call site. A text given directly
  // (workLine -1) is read every time.
  Runtime::CallSite* site = rt.workLine >= 0 ? &callSiteOf(rt, at) : nullptr;
  if (site != nullptr && site->line == rt.workLine && site->at == at) {
    open = site->open;
    function = static_cast<Function>(site->function);
  } else {
    if (!readCall(rt, out, at, open, function)) return;
    if (site != nullptr) *site = {rt.workLine, at, open, static_cast<std::uint8_t>(function)};
  }
  // A call that starts the text being built (a field or argument that is
  // the call alone, the usual case) writes its result there directly: the
  // handler is given an empty text either way.
  if (out.empty()) {
    runHandler(rt, function, open, out);
  } else {
    core::ScratchText result(rt.texts);
    runHandler(rt, function, open, *result);
    out += *result;
  }
  if (rt.pos > rt.length()) rt.pos = rt.length();
}

}  // namespace quillan::functions
