// The items of an internal list: texts by 0-based index, each with the key
// it sorts by. They are kept in blocks of at most a hundred or so, so an
// insert or a removal anywhere moves at most one block's entries, and a
// sorted add finds its place by two binary searches (over the blocks' last
// keys, then inside one block) without counting indexes: 100,000 sorted
// adds never rescan the list. Reading the items in order costs nothing
// extra: the block last reached is remembered.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::core {

class StringList {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // index < size().
  const std::string& at(std::size_t index) const;
  const std::string& keyAt(std::size_t index) const;

  // Inserts before index (index <= size()). key is empty for a list that
  // is not sorted.
  void insert(std::size_t index, std::string text, std::string key = {});
  void erase(std::size_t index);
  void clear();

  // In a list kept in key order: inserts text before the first entry whose
  // key is not below key, unless that entry's key equals it. True when
  // the text was inserted.
  bool insertSorted(std::string text, std::string key);

 private:
  struct Entry {
    std::string text;
    std::string key;
  };
  using Block = std::vector<Entry>;
  // A block that grows past this is split in two.
  static constexpr std::size_t kMaxBlock = 128;

  struct Place {
    std::size_t block;
    std::size_t offset;
  };
  // The block and offset of index (index < size()).
  Place locate(std::size_t index) const;
  // Puts the entry into the block at offset, splitting a block grown too big.
  void insertAt(std::size_t block, std::size_t offset, Entry entry);

  std::vector<Block> blocks_;  // never an empty block
  std::size_t size_ = 0;
  // The block a locate last landed in and the index of its first entry.
  mutable std::size_t cursorBlock_ = 0;
  mutable std::size_t cursorStart_ = 0;
};

}  // namespace quillan::core
