// Character-level rules of the INI format shared by the reader and the
// writer: which bytes count as blanks, how names are folded for comparison
// and what one line of the file means.
#pragma once

#include <string>
#include <string_view>

namespace quillan::ini::text {

// Blanks around names and values in the file: space, tab and vertical tab.
bool isBlank(char c);
std::string_view trimBlanks(std::string_view s);
// Names handed in by callers lose spaces only; a tab is part of the name.
std::string_view trimSpaces(std::string_view s);

// Names compare without regard to ASCII case. Bytes above 0x7F are left as
// they are: the file may be in any 8-bit code page (or UTF-8 when it was
// read from UTF-16), and folding them by one code page would corrupt another.
std::string foldCase(std::string_view s);

// One outer pair of matching double or single quotes is removed.
std::string_view unquote(std::string_view value);

enum class LineKind {
  Blank,    // nothing but blanks
  Comment,  // first non-blank character is ';'
  Section,  // first non-blank character is '['
  Key,      // has an '=': name before it, value after it
  Other,    // anything else: not a key, but part of the section's text
};

struct LineMeaning {
  LineKind kind = LineKind::Blank;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // the raw text after the first '=' (Key only)
};

// `line` is the text without its line ending.
LineMeaning classify(std::string_view line);

}  // namespace quillan::ini::text
