#include "runtime/core/FieldReader.h"

#include <algorithm>

#include "runtime/core/Keywords.h"

namespace quillan::core {
namespace {

void dropQuotes(std::string& text) { std::erase(text, '"'); }

// Characters the scan must stop at: quotes, references, calls and the
// terminators of either reader. Runs of everything else are copied in one
// piece, which is where most of a line's time would otherwise go.
struct StopTable {
  bool stop[256] = {};
  constexpr StopTable() {
    for (const unsigned char c : {'"', '%', '@', ',', ')'}) stop[c] = true;
  }
};
constexpr StopTable kStops;

// Appends the characters from..to (1-based, inclusive) of the working line.
void copyLine(const Runtime& rt, std::string& out, int from, int to) {
  if (to >= from) out.append(rt.work, static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

// The shared scan, from the character at rt.pos (which is not a terminator
// and lies on the line) up to the next terminator or past the end of the
// line. The argument's text, with its references and calls replaced by
// their values, is appended to out; the position only ever moves over the
// line's own text, so nothing inserted is looked at again. Returns whether
// a quote was seen.
template <typename IsTerminator>
bool scan(Runtime& rt, std::string& out, IsTerminator isTerminator) {
  bool quoted = false;
  for (;;) {
    const char k = rt.at(rt.pos);
    if (k == '"') {
      quoted = true;
      // Jump to the closing quote, or stop on the last character; all of
      // it is taken as it stands.
      const int from = rt.pos;
      do {
        ++rt.pos;
      } while (rt.pos < rt.length() && rt.at(rt.pos) != '"');
      copyLine(rt, out, from, std::min(rt.pos, rt.length()));
    } else if (k == '%') {
      expandVariable(rt, out);
    } else if (k == '@') {
      if (rt.callFunction != nullptr) {
        rt.callFunction(rt, out);
      } else {
        rt.notAvailable("function calls");
        out += k;
      }
    } else {
      out += k;
    }
    ++rt.pos;
    // The run of plain text behind it, found with locals: every append may
    // write anywhere as far as the compiler knows.
    const int n = rt.length();
    const char* text = rt.work.data();
    int p = rt.pos;
    while (p <= n && !kStops.stop[static_cast<unsigned char>(text[p - 1])]) ++p;
    if (p > rt.pos) out.append(text + rt.pos - 1, static_cast<std::size_t>(p - rt.pos));
    rt.pos = p;
    if (p > n || isTerminator(text[p - 1])) return quoted;
  }
}

}  // namespace

const std::string* variableFor(const Runtime& rt, char letter) {
  const char c = upperAscii(letter);
  if (c == '0') return &rt.scriptPath;
  if (c >= '1' && c <= '9') return &rt.vars[static_cast<std::size_t>(c - '1')];
  if (c >= 'A' && c <= 'Z') return &rt.vars[static_cast<std::size_t>(9 + (c - 'A'))];
  return nullptr;
}

void expandVariable(Runtime& rt, std::string& out) {
  const std::string* value = variableFor(rt, rt.at(rt.pos + 1));
  if (value == nullptr) {
    out += '%';
    return;
  }
  out += *value;
  ++rt.pos;  // on the reference's letter
}

void readField(Runtime& rt, std::string& field) {
  field.clear();
  const int n = rt.length();
  char k = ' ';
  if (rt.pos <= n) {
    while (rt.at(rt.pos) == ' ' && rt.pos < n) ++rt.pos;
    k = rt.at(rt.pos);
    if (k != ',') {
      const bool quoted = scan(rt, field, [](char c) { return c == ','; });
      if (quoted) dropQuotes(field);
      k = rt.at(rt.pos);
    }
  }
  if (k == ',') ++rt.pos;
}

std::string nextField(Runtime& rt) {
  std::string field;
  readField(rt, field);
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

void readArgument(Runtime& rt, std::string& argument) {
  argument.clear();
  // After ")" every further read is empty: missing arguments read as "".
  if (rt.at(rt.pos) != ')') ++rt.pos;
  while (rt.at(rt.pos) == ' ' && rt.pos < rt.length()) ++rt.pos;
  const char k = rt.at(rt.pos);
  if (rt.pos >= rt.length() || k == ',' || k == ')') return;
  const bool quoted = scan(rt, argument, [](char c) { return c == ',' || c == ')'; });
  if (quoted) dropQuotes(argument);
}

namespace {

bool isArgumentEnd(char c) { return c == ',' || c == ')'; }

// What the bytes of the working line from the read position make of the
// next argument: the position is stepped past the call's "(" or the last
// terminator and past blanks; the argument is then empty, plain text up to
// its terminator or the end of the line (exactly what the scan would
// copy), a reference alone (the scan would copy the variable's value), or
// anything else, which the scan builds.
[[gnu::noinline]] Runtime::ArgumentSite argumentShape(const Runtime& rt) {
  const char* const text = rt.work.data();
  const int n = rt.length();
  Runtime::ArgumentSite site;
  site.at = rt.pos;
  int p = rt.pos;
  if (p < 1 || p > n || text[p - 1] != ')') ++p;
  while (p >= 1 && p < n && text[p - 1] == ' ') ++p;
  site.from = p;
  if (p >= n || p < 1 || isArgumentEnd(text[p - 1])) {
    site.kind = Runtime::ArgumentSite::Empty;
    return site;
  }
  int end = p;
  while (end <= n && !kStops.stop[static_cast<unsigned char>(text[end - 1])]) ++end;
  if (end > n || isArgumentEnd(text[end - 1])) {
    site.kind = Runtime::ArgumentSite::Plain;
    site.to = end;
    return site;
  }
  const bool referenceAlone = end == p && text[p - 1] == '%' && (p + 2 > n || isArgumentEnd(text[p + 1]));
  const std::string* variable = referenceAlone ? variableFor(rt, text[p]) : nullptr;
  if (variable == nullptr) {
    site.kind = Runtime::ArgumentSite::Built;
  } else {
    // For a reference, to holds the variable's slot, -1 for %0.
    site.kind = Runtime::ArgumentSite::Reference;
    site.to = variable == &rt.scriptPath ? -1 : static_cast<std::int32_t>(variable - rt.vars.data());
  }
  return site;
}

// The site's slot in the runtime's cache.
Runtime::ArgumentSite& argumentSiteOf(Runtime& rt, int at) {
  const auto hash = static_cast<std::uint32_t>(rt.workLine) * 2654435761u + static_cast<std::uint32_t>(at);
  return rt.argumentSites[(hash * 2654435761u) >> 24];
}

// The cases of argumentView that need no text: sets view to the argument
// and moves past it. Otherwise returns false with the position on the
// argument's first character, for the scan. On a stored line, the shape of
// the argument at a position is worked out once.
inline bool viewedArgument(Runtime& rt, std::string_view& view) {
  Runtime::ArgumentSite* site = &argumentSiteOf(rt, rt.pos);
  if (rt.workLine < 0 || site->line != rt.workLine || site->at != rt.pos) {
    // Worked out into the slot; for a text given directly it is marked as
    // no line's, so it never answers.
    *site = argumentShape(rt);
    site->line = rt.workLine;
  }
  const int from = site->from;
  switch (site->kind) {
    case Runtime::ArgumentSite::Empty:
      view = {};
      rt.pos = from;
      return true;
    case Runtime::ArgumentSite::Plain:
      view = std::string_view(rt.work.data() + from - 1, static_cast<std::size_t>(site->to - from));
      rt.pos = site->to;
      return true;
    case Runtime::ArgumentSite::Reference:
      view = site->to < 0 ? rt.scriptPath : rt.vars[static_cast<std::size_t>(site->to)];
      rt.pos = from + 2;
      return true;
    case Runtime::ArgumentSite::Built:
      break;
  }
  rt.pos = from;
  return false;
}

[[gnu::noinline]] std::string_view scannedArgument(Runtime& rt, std::string& buffer) {
  const bool quoted = scan(rt, buffer, isArgumentEnd);
  if (quoted) dropQuotes(buffer);
  return buffer;
}

}  // namespace

std::string_view argumentView(Runtime& rt, std::string& buffer) {
  buffer.clear();
  std::string_view view;
  if (viewedArgument(rt, view)) return view;
  return scannedArgument(rt, buffer);
}

std::string_view argumentView(Runtime& rt, LazyScratchText& buffer) {
  std::string_view view;
  if (viewedArgument(rt, view)) return view;
  return scannedArgument(rt, buffer.get());
}

std::string nextArgument(Runtime& rt) {
  std::string argument;
  readArgument(rt, argument);
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
