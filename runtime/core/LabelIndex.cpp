#include "runtime/core/LabelIndex.h"

#include "runtime/core/Keywords.h"

namespace quillan::core {
namespace {

constexpr KeywordRow<BlockWord> kBlockWordRows[] = {{1, BlockWord::If}, {3, BlockWord::Else}, {6, BlockWord::End}};

}  // namespace

const KeywordTable<BlockWord> kBlockWords{"IFELSEND", kBlockWordRows};

BlockWord blockWordOf(std::string_view line) {
  // The word is taken the way the interpreter loop takes a command word, so
  // a line the loop ignores (blanks only, or one character after blanks)
  // has no block word either.
  const std::size_t n = line.size();
  if (n == 0) return BlockWord::None;
  std::size_t p = 0;
  while (line[p] == ' ' && p + 1 < n) ++p;
  if (p + 1 == n) return BlockWord::None;
  const char first = upperAscii(line[p]);
  if (first != 'I' && first != 'E') return BlockWord::None;

  std::size_t end = p;
  while (end < n && line[end] != ' ') ++end;
  std::size_t length = end - p;
  if (end == n) --length;  // a word that ends the line loses its last character
  std::string word(line.substr(p, length));
  upperAsciiInPlace(word);
  const auto* row = kBlockWords.find(word);
  return row != nullptr ? row->entry : BlockWord::None;
}

std::optional<std::string_view> labelNameOf(std::string_view line) {
  if (line.size() < 2 || line.front() != ':') return std::nullopt;
  return line.substr(1, kLabelNameLength);
}

namespace {

std::string labelKey(std::string_view name) {
  std::string key(name.substr(0, kLabelNameLength));
  upperAsciiInPlace(key);
  return key;
}

}  // namespace

void LabelIndex::clear() {
  data_ = nullptr;
  size_ = 0;
  labelsIndexed_ = false;
  wordsIndexed_ = false;
  labels_.clear();
  words_.clear();
  ifPartner_.clear();
  elsePartner_.clear();
}

void LabelIndex::follow(const std::vector<std::string>& store) {
  if (store.data() == data_ && store.size() == size_) return;
  clear();
  data_ = store.data();
  size_ = store.size();
}

void LabelIndex::indexLabels(const std::vector<std::string>& store) {
  labels_.clear();
  for (std::size_t i = 0; i < store.size(); ++i) {
    ++examined_;
    if (const auto name = labelNameOf(store[i])) {
      // emplace keeps the entry already there: the first label from the top wins.
      labels_.emplace(labelKey(*name), static_cast<std::int32_t>(i));
    }
  }
  labelsIndexed_ = true;
}

void LabelIndex::indexBlockWords(const std::vector<std::string>& store) {
  words_.clear();
  words_.reserve(store.size());
  for (const auto& line : store) {
    ++examined_;
    words_.push_back(blockWordOf(line));
  }
  ifPartner_.assign(store.size(), kUnknown);
  elsePartner_.assign(store.size(), kUnknown);
  wordsIndexed_ = true;
}

std::int32_t LabelIndex::findLabel(const std::vector<std::string>& store, std::string_view name) {
  follow(store);
  if (!labelsIndexed_) indexLabels(store);
  const auto found = labels_.find(labelKey(name));
  return found == labels_.end() ? kNone : found->second;
}

std::int32_t LabelIndex::scanForward(std::int32_t from, bool fromIf) {
  // Only IF and END change the nesting count. An ELSE ends the scan of an
  // IF when it stands at the IF's own level; for an ELSE it is just a line.
  int count = 1;
  const auto n = static_cast<std::int32_t>(words_.size());
  for (std::int32_t i = from + 1; i < n; ++i) {
    ++examined_;
    switch (words_[static_cast<std::size_t>(i)]) {
      case BlockWord::If:
        ++count;
        break;
      case BlockWord::Else:
        if (fromIf && count == 1) count = 0;
        break;
      case BlockWord::End:
        --count;
        break;
      case BlockWord::None:
        break;
    }
    if (count < 1) return i;
  }
  return kNone;
}

std::int32_t LabelIndex::skipFromIf(const std::vector<std::string>& store, std::int32_t line) {
  follow(store);
  if (!wordsIndexed_) indexBlockWords(store);
  if (line < 0 || static_cast<std::size_t>(line) >= store.size()) return kNone;
  std::int32_t& partner = ifPartner_[static_cast<std::size_t>(line)];
  if (partner == kUnknown) partner = scanForward(line, true);
  return partner;
}

std::int32_t LabelIndex::skipFromElse(const std::vector<std::string>& store, std::int32_t line) {
  follow(store);
  if (!wordsIndexed_) indexBlockWords(store);
  if (line < 0 || static_cast<std::size_t>(line) >= store.size()) return kNone;
  std::int32_t& partner = elsePartner_[static_cast<std::size_t>(line)];
  if (partner == kUnknown) partner = scanForward(line, false);
  return partner;
}

}  // namespace quillan::core
