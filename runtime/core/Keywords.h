// Packed keyword tables. All names of one table stand one after the other in
// one string, neighbours sharing letters where one name ends as the next
// begins ("SHIFTITLE" holds SHIFT and TITLE). A word is found at the 1-based
// position of its first occurrence in the string, and only positions where a
// name starts are valid. That rule is part of the language: RU selects RUN
// because its first occurrence is RUN's start, while P (first found inside
// REPEAT) selects nothing. Commands, functions, sub-commands, options, root
// words and element kinds all look their words up through this one routine.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quillan::core {

// The 1-based position of the first occurrence of word in packed, or 0 when
// it does not occur. An empty word is not found.
inline int packedPosition(std::string_view packed, std::string_view word) {
  if (word.empty()) return 0;
  const std::size_t at = packed.find(word);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

template <typename Entry>
struct KeywordRow {
  int position;  // 1-based start of the name in the packed string
  Entry entry;
};

template <typename Entry>
struct KeywordTable {
  std::string_view packed;
  std::span<const KeywordRow<Entry>> rows;

  // The row whose name starts where word first occurs, or null. The word
  // must already be upper-cased.
  const KeywordRow<Entry>* find(std::string_view word) const {
    const int at = packedPosition(packed, word);
    if (at == 0) return nullptr;
    for (const auto& row : rows)
      if (row.position == at) return &row;
    return nullptr;
  }
};

// Words split over several tables by their first character: a table holds
// the words whose first character is at most `last` and above the previous
// table's.
template <typename Entry>
struct KeywordGroup {
  char last;
  KeywordTable<Entry> table;
};

// The entry that the upper-cased word selects in the table its first
// character chooses, or none.
template <typename Entry, std::size_t N>
Entry findInGroups(const std::array<KeywordGroup<Entry>, N>& groups, std::string_view word, Entry none) {
  if (word.empty()) return none;
  const auto first = static_cast<unsigned char>(word.front());
  for (const auto& group : groups) {
    if (first <= static_cast<unsigned char>(group.last)) {
      const auto* row = group.table.find(word);
      return row != nullptr ? row->entry : none;
    }
  }
  return none;
}

// ASCII upper-casing, the only folding the language does.
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
void upperAsciiInPlace(std::string& text);

}  // namespace quillan::core
