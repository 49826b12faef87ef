#include "platform/ini/IniText.h"

namespace quillan::ini::text {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

namespace {

template <typename Pred>
std::string_view trimWith(std::string_view s, Pred drop) {
  while (!s.empty() && drop(s.front())) s.remove_prefix(1);
  while (!s.empty() && drop(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string_view trimBlanks(std::string_view s) { return trimWith(s, isBlank); }

std::string_view trimSpaces(std::string_view s) {
  return trimWith(s, [](char c) { return c == ' '; });
}

std::string foldCase(std::string_view s) {
  std::string folded(s);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

LineMeaning classify(std::string_view line) {
  std::string_view rest = line;
  while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
  if (trimBlanks(rest).empty()) return {LineKind::Blank, {}, {}};
  if (rest.front() == ';') return {LineKind::Comment, {}, {}};
  if (rest.front() == '[') {
    // The name runs to the first ']' (or the line's end when there is
    // none); whatever follows the bracket is ignored.
    std::string_view inside = rest.substr(1);
    inside = inside.substr(0, inside.find(']'));
    return {LineKind::Section, trimBlanks(inside), {}};
  }
  const std::size_t eq = rest.find('=');
  if (eq == std::string_view::npos) return {LineKind::Other, {}, {}};
  return {LineKind::Key, trimBlanks(rest.substr(0, eq)), rest.substr(eq + 1)};
}

}  // namespace quillan::ini::text
