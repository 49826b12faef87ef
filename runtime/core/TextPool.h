// Working texts reused from line to line. The readers and the "@" calls
// take the texts they build arguments and results in from here instead of
// making new ones, so once the texts have grown to the sizes a script
// needs, a line runs without touching the heap. Texts are taken and given
// back in nesting order: a call inside an argument takes its texts after
// the argument's and gives them back before the argument is done.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quillan::core {

class TextPool {
 public:
  // An empty text, kept for the caller until giveBack.
  std::string& take() {
    // Each text lives apart, so a text in use stays where it is while the
    // pool grows.
    if (used_ == texts_.size()) texts_.push_back(std::make_unique<std::string>());
    std::string& text = *texts_[used_++];
    text.clear();
    return text;
  }
  void giveBack() { --used_; }

  // Frees what the texts hold (when memory ran out); texts in use stay
  // usable, only emptied.
  void release() {
    for (const auto& text : texts_) std::string().swap(*text);
  }

 private:
  std::vector<std::unique_ptr<std::string>> texts_;
  std::size_t used_ = 0;
};

// One text of the pool for the length of a scope, empty when taken.
class ScratchText {
 public:
  explicit ScratchText(TextPool& pool) : pool_(pool), text_(pool.take()) {}
  ~ScratchText() { pool_.giveBack(); }
  ScratchText(const ScratchText&) = delete;
  ScratchText& operator=(const ScratchText&) = delete;

  std::string& operator*() { return text_; }
  std::string* operator->() { return &text_; }

 private:
  TextPool& pool_;
  std::string& text_;
};

// The same, taken from the pool only when first asked for: a reader that
// can answer with a view of the line needs no text at all.
class LazyScratchText {
 public:
  explicit LazyScratchText(TextPool& pool) : pool_(pool) {}
  ~LazyScratchText() {
    if (text_ != nullptr) pool_.giveBack();
  }
  LazyScratchText(const LazyScratchText&) = delete;
  LazyScratchText& operator=(const LazyScratchText&) = delete;

  std::string& get() {
    if (text_ == nullptr) text_ = &pool_.take();
    return *text_;
  }

 private:
  TextPool& pool_;
  std::string* text_ = nullptr;
};

}  // namespace quillan::core
