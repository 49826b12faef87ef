// Where the jumps of a script land: labels by name, and the ELSE or END that
// a false IF or a reached ELSE continues at. The store never changes while a
// script runs, so each answer is worked out once and kept; every answer is
// the one a scan of the stored lines from the top (labels) or onward from
// the IF or ELSE (blocks) would give.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/core/Keywords.h"

namespace quillan::core {

// Label names are significant up to this many characters.
inline constexpr std::size_t kLabelNameLength = 127;

enum class BlockWord : std::uint8_t { None, If, Else, End };

// IF, ELSE and END in "IFELSEND".
extern const KeywordTable<BlockWord> kBlockWords;

// The block word of a stored (unexpanded) line. The word is looked up by
// position in "IFELSEND"; when it runs to the end of the line its last
// character is left out of the lookup, so a bare IF, ELSE or END is found
// as I, ELS or EN.
BlockWord blockWordOf(std::string_view line);

// The name of a label line: the text after ":", at most kLabelNameLength
// characters, trailing blanks kept. Nothing when the line is no label; a
// label starts with ":" and is longer than one character.
std::optional<std::string_view> labelNameOf(std::string_view line);

class LabelIndex {
 public:
  static constexpr std::int32_t kNone = -1;

  // Forgets everything: the next look-up indexes the store afresh. Called
  // when a run starts, because a new store may reuse the old one's memory.
  void clear();

  // The first line from the top whose label equals name, ignoring ASCII
  // case; kNone when there is none. Only the first kLabelNameLength
  // characters of name count, as only those of a label line do.
  std::int32_t findLabel(const std::vector<std::string>& store, std::string_view name);

  // The line a false IF at `line` continues after: the ELSE at its own
  // level, or its END. kNone when the store ends first.
  std::int32_t skipFromIf(const std::vector<std::string>& store, std::int32_t line);
  // The END that closes the block of the ELSE at `line`, or kNone.
  std::int32_t skipFromElse(const std::vector<std::string>& store, std::int32_t line);

  // Stored lines looked at so far. A look-up that scanned the store on
  // every call would make this grow with every jump; tests watch it.
  std::uint64_t linesExamined() const { return examined_; }

 private:
  static constexpr std::int32_t kUnknown = -2;

  // Drops what was indexed for another store (one of another address or
  // size); the cheap guard for callers that swap stores without a run.
  void follow(const std::vector<std::string>& store);
  void indexLabels(const std::vector<std::string>& store);
  void indexBlockWords(const std::vector<std::string>& store);
  std::int32_t scanForward(std::int32_t from, bool fromIf);

  const std::string* data_ = nullptr;
  std::size_t size_ = 0;
  bool labelsIndexed_ = false;
  bool wordsIndexed_ = false;
  std::unordered_map<std::string, std::int32_t> labels_;  // upper-cased name -> first line
  std::vector<BlockWord> words_;                          // per line
  // Per line, kUnknown until asked. A line's command and its block word
  // can differ (IFINFO runs as IF but has none), so the two kinds of scan
  // keep their answers apart.
  std::vector<std::int32_t> ifPartner_;
  std::vector<std::int32_t> elsePartner_;
  std::uint64_t examined_ = 0;
};

}  // namespace quillan::core
