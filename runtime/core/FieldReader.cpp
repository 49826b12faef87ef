#include "runtime/core/FieldReader.h"

#include <algorithm>

#include "runtime/core/Keywords.h"

namespace quillan::core {
namespace {

void dropQuotes(std::string& text) { std::erase(text, '"'); }

// Characters the scan must stop at: quotes, references, calls and the
// terminators of either reader. Everything else is skipped in a tight loop,
// which is where most of a line's time would otherwise go.
struct StopTable {
  bool stop[256] = {};
  constexpr StopTable() {
    for (const unsigned char c : {'"', '%', '@', ',', ')'}) stop[c] = true;
  }
};
constexpr StopTable kStops;

// The shared scan, from the character at rt.pos (which is not a terminator)
// up to the next terminator or past the end of the line. Returns whether a
// quote was seen.
template <typename IsTerminator>
bool scan(Runtime& rt, IsTerminator isTerminator) {
  bool quoted = false;
  for (;;) {
    const char k = rt.at(rt.pos);
    if (k == '"') {
      quoted = true;
      // Jump to the closing quote, or stop on the last character.
      do {
        ++rt.pos;
      } while (rt.pos < rt.length() && rt.at(rt.pos) != '"');
    } else if (k == '%') {
      expandVariable(rt, rt.pos);
    } else if (k == '@') {
      if (rt.callFunction != nullptr) {
        rt.callFunction(rt, rt.pos);
      } else {
        rt.notAvailable("function calls");
      }
    }
    ++rt.pos;
    const int n = rt.length();
    const char* text = rt.work.data();
    while (rt.pos <= n && !kStops.stop[static_cast<unsigned char>(text[rt.pos - 1])]) ++rt.pos;
    if (rt.pos > n || isTerminator(rt.at(rt.pos))) return quoted;
  }
}

std::string slice(const Runtime& rt, int from, int to) {  // [from, to) 1-based
  if (to <= from) return {};
  return rt.work.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
}

}  // namespace

const std::string* variableFor(const Runtime& rt, char letter) {
  const char c = upperAscii(letter);
  if (c == '0') return &rt.scriptPath;
  if (c >= '1' && c <= '9') return &rt.vars[static_cast<std::size_t>(c - '1')];
  if (c >= 'A' && c <= 'Z') return &rt.vars[static_cast<std::size_t>(9 + (c - 'A'))];
  return nullptr;
}

void expandVariable(Runtime& rt, int at) {
  const std::string* value = variableFor(rt, rt.at(at + 1));
  if (value == nullptr) return;
  // The variables never share storage with the working line.
  rt.work.replace(static_cast<std::size_t>(at - 1), 2, *value);
  rt.pos = at - 1 + static_cast<int>(value->size());
}

std::string nextField(Runtime& rt) {
  const int n = rt.length();
  std::string field;
  char k = ' ';
  if (rt.pos <= n) {
    while (rt.at(rt.pos) == ' ' && rt.pos < n) ++rt.pos;
    k = rt.at(rt.pos);
    if (k != ',') {
      const int start = rt.pos;
      const bool quoted = scan(rt, [](char c) { return c == ','; });
      field = slice(rt, start, rt.pos);
      if (quoted) dropQuotes(field);
      k = rt.at(rt.pos);
    }
  }
  if (k == ',') ++rt.pos;
  return field;
}

std::string requiredField(Runtime& rt) {
  std::string field = nextField(rt);
  if (field.empty()) rt.fail(kMissingArgument);
  return field;
}

std::string fieldOr(Runtime& rt, std::string_view fallback) {
  std::string field = nextField(rt);
  if (field.empty()) return std::string(fallback);
  return field;
}

std::string nextArgument(Runtime& rt) {
  // After ")" every further read is empty: missing arguments read as "".
  if (rt.at(rt.pos) != ')') ++rt.pos;
  while (rt.at(rt.pos) == ' ' && rt.pos < rt.length()) ++rt.pos;
  const char k = rt.at(rt.pos);
  if (rt.pos >= rt.length() || k == ',' || k == ')') return {};
  const int start = rt.pos;
  const bool quoted = scan(rt, [](char c) { return c == ',' || c == ')'; });
  std::string argument = slice(rt, start, rt.pos);
  if (quoted) dropQuotes(argument);
  return argument;
}

std::string requiredArgument(Runtime& rt) {
  std::string argument = nextArgument(rt);
  if (argument.empty()) rt.fail(kMissingFunctionArgument);
  return argument;
}

std::string argumentOr(Runtime& rt, std::string_view fallback) {
  std::string argument = nextArgument(rt);
  if (argument.empty()) return std::string(fallback);
  return argument;
}

}  // namespace quillan::core
