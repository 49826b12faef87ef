// Reads the fields of a stored line the way the runtime's field reader
// does, but without values: quotes hide what they enclose, a "%" reference
// and an "@" call are noted where they stand, and each call is taken apart
// by the runtime's own rules (the name runs from the "@" to the first "("
// after it on the line, the arguments end at ")"). What a call does wrong
// is kept, so the checker can report it at the column of its "@".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::checker {

struct CallFault {
  enum class Kind : std::uint8_t { NoParenthesis, UnknownName, Unclosed };
  Kind kind;
  int column;        // of the "@"
  std::string name;  // as written, between "@" and "(" (or the word after "@")
};

struct Field {
  int column = 0;        // 1-based start of the field's text; 0 when the line had none left
  std::string_view raw;  // the field as written, up to its terminating comma
  std::string text;      // its literal text: quotes dropped, references and calls left out
  bool expands = false;  // it holds a "%" reference or an "@" call, so its value is known only at run time
};

class FieldScanner {
 public:
  // Starts reading at the 1-based position pos, as a command does after
  // its word.
  FieldScanner(std::string_view line, int pos);

  // The next comma-separated field; the position moves past its comma.
  Field next();
  // Whether the line has text left that a further next() would read.
  bool atEnd() const { return pos_ > n_; }

  // The first call on the line that goes wrong: the runtime stops at it,
  // so later ones are not looked at.
  const std::optional<CallFault>& fault() const { return fault_; }

 private:
  char at(int p) const { return p >= 1 && p <= n_ ? line_[static_cast<std::size_t>(p - 1)] : '\0'; }
  template <typename IsTerminator>
  bool scan(std::string& out, bool& expands, IsTerminator isTerminator, int depth);  // whether a quote was seen
  void call(std::string& out, bool& expands, int depth);
  // The 1-based position of the first "(" at or after p, or 0.
  int parenthesisFrom(int p);
  void noteFault(CallFault::Kind kind, int column, std::string_view name);

  std::string_view line_;
  int n_;
  int pos_;
  std::vector<int> nextParenthesis_;  // built on the first call: one pass, however many "@" the line has
  std::optional<CallFault> fault_;
};

// A variable reference letter: 0-9 or a letter of either case.
bool isVariableLetter(char c);

}  // namespace quillan::checker
