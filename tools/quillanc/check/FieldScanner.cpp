#include "tools/quillanc/check/FieldScanner.h"

#include <algorithm>

#include "runtime/core/FunctionNames.h"
#include "runtime/core/Keywords.h"

namespace quillan::checker {
namespace {

// The runtime gives up on calls nested this deep without reading their
// arguments; so does the scan, which keeps its recursion bounded.
constexpr int kMaxCallDepth = 200;

bool isStop(char c) { return c == '"' || c == '%' || c == '@' || c == ',' || c == ')'; }

bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

bool isVariableLetter(char c) {
  const char u = core::upperAscii(c);
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z');
}

FieldScanner::FieldScanner(std::string_view line, int pos)
    : line_(line), n_(static_cast<int>(std::min<std::size_t>(line.size(), 0x7FFFFFF0u))), pos_(pos) {}

Field FieldScanner::next() {
  Field field;
  char k = ' ';
  if (pos_ <= n_) {
    while (at(pos_) == ' ' && pos_ < n_) ++pos_;
    k = at(pos_);
    if (k != ',') {
      const int start = pos_;
      field.column = start;
      const bool quoted = scan(
          field.text, field.expands, [](char c) { return c == ','; }, 0);
      field.raw =
          line_.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(pos_, n_ + 1) - start));
      if (quoted) std::erase(field.text, '"');
      k = at(pos_);
    }
  }
  if (k == ',') ++pos_;
  return field;
}

template <typename IsTerminator>
bool FieldScanner::scan(std::string& out, bool& expands, IsTerminator isTerminator, int depth) {
  bool quoted = false;
  for (;;) {
    const char k = at(pos_);
    if (k == '"') {
      quoted = true;
      const int from = pos_;
      do {
        ++pos_;
      } while (pos_ < n_ && at(pos_) != '"');
      const int to = std::min(pos_, n_);
      out.append(line_.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1)));
    } else if (k == '%') {
      if (isVariableLetter(at(pos_ + 1))) {
        expands = true;
        ++pos_;
      } else {
        out += '%';
      }
    } else if (k == '@') {
      expands = true;
      call(out, expands, depth);
    } else {
      out += k;
    }
    ++pos_;
    const int run = pos_;
    while (pos_ <= n_ && !isStop(at(pos_))) ++pos_;
    const int to = std::min(pos_, n_ + 1) - 1;
    if (to >= run) out.append(line_.substr(static_cast<std::size_t>(run - 1), static_cast<std::size_t>(to - run + 1)));
    if (pos_ > n_ || isTerminator(at(pos_))) return quoted;
  }
}

int FieldScanner::parenthesisFrom(int p) {
  if (nextParenthesis_.empty()) {
    nextParenthesis_.assign(static_cast<std::size_t>(n_) + 2, 0);
    for (int i = n_; i >= 1; --i)
      nextParenthesis_[static_cast<std::size_t>(i)] =
          at(i) == '(' ? i : nextParenthesis_[static_cast<std::size_t>(i) + 1];
  }
  return p >= 1 && p <= n_ ? nextParenthesis_[static_cast<std::size_t>(p)] : 0;
}

void FieldScanner::noteFault(CallFault::Kind kind, int column, std::string_view name) {
  if (!fault_) fault_ = CallFault{kind, column, std::string(name)};
}

void FieldScanner::call(std::string& out, bool& expands, int depth) {
  const int at0 = pos_;
  // The "(" is looked for from the second character of the name on, up to
  // but not including the line's last character.
  int open = n_;
  if (at0 + 2 < n_) {
    const int found = parenthesisFrom(at0 + 2);
    if (found != 0 && found < n_) open = found;
  }
  if (open >= n_) {
    std::size_t word = static_cast<std::size_t>(at0);
    while (word < line_.size() && isNameCharacter(line_[word])) ++word;
    noteFault(CallFault::Kind::NoParenthesis, at0, line_.substr(static_cast<std::size_t>(at0), word - at0));
    out += '@';
    return;
  }
  const std::string_view name = line_.substr(static_cast<std::size_t>(at0), static_cast<std::size_t>(open - at0 - 1));
  std::string upper(name);
  core::upperAsciiInPlace(upper);
  if (core::findFunction(upper) == core::Function::Count_) {
    noteFault(CallFault::Kind::UnknownName, at0, name);
    out += '@';
    return;
  }
  pos_ = open;
  if (depth >= kMaxCallDepth) return;
  // The arguments, read as the function argument reader reads them, up to
  // the ")" that ends the call.
  for (;;) {
    if (at(pos_) != ')') ++pos_;
    while (at(pos_) == ' ' && pos_ < n_) ++pos_;
    const char k = at(pos_);
    if (!(pos_ >= n_ || k == ',' || k == ')')) {
      std::string argument;
      scan(
          argument, expands, [](char c) { return c == ',' || c == ')'; }, depth + 1);
    }
    if (at(pos_) == ')') break;
    if (pos_ >= n_) {
      noteFault(CallFault::Kind::Unclosed, at0, name);
      break;
    }
  }
  if (pos_ > n_) pos_ = n_;
}

}  // namespace quillan::checker
