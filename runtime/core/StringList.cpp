#include "runtime/core/StringList.h"

#include <algorithm>
#include <iterator>

namespace quillan::core {

StringList::Place StringList::locate(std::size_t index) const {
  std::size_t block = cursorBlock_;
  std::size_t start = cursorStart_;
  if (block >= blocks_.size() || index < start) {
    block = 0;
    start = 0;
  }
  while (index >= start + blocks_[block].size()) {
    start += blocks_[block].size();
    ++block;
  }
  cursorBlock_ = block;
  cursorStart_ = start;
  return {block, index - start};
}

const std::string& StringList::at(std::size_t index) const {
  const Place p = locate(index);
  return blocks_[p.block][p.offset].text;
}

const std::string& StringList::keyAt(std::size_t index) const {
  const Place p = locate(index);
  return blocks_[p.block][p.offset].key;
}

void StringList::insertAt(std::size_t block, std::size_t offset, Entry entry) {
  Block& b = blocks_[block];
  b.insert(b.begin() + static_cast<std::ptrdiff_t>(offset), std::move(entry));
  ++size_;
  if (b.size() > kMaxBlock) {
    Block upper(std::make_move_iterator(b.begin() + kMaxBlock / 2), std::make_move_iterator(b.end()));
    b.resize(kMaxBlock / 2);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
  }
}

void StringList::insert(std::size_t index, std::string text, std::string key) {
  Entry entry{std::move(text), std::move(key)};
  if (blocks_.empty()) {
    blocks_.emplace_back();
    blocks_.back().push_back(std::move(entry));
    size_ = 1;
    cursorBlock_ = cursorStart_ = 0;
    return;
  }
  // Past the end goes into the last block.
  Place p = index < size_ ? locate(index) : locate(size_ - 1);
  if (index == size_) p.offset = blocks_[p.block].size();
  insertAt(p.block, p.offset, std::move(entry));
  // The blocks after this one start one later now; this one has not moved.
  cursorBlock_ = p.block;
  cursorStart_ = index - p.offset;
}

void StringList::erase(std::size_t index) {
  const Place p = locate(index);
  Block& block = blocks_[p.block];
  block.erase(block.begin() + static_cast<std::ptrdiff_t>(p.offset));
  --size_;
  if (block.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(p.block));
    cursorBlock_ = cursorStart_ = 0;
  }
}

void StringList::clear() {
  blocks_.clear();
  size_ = 0;
  cursorBlock_ = cursorStart_ = 0;
}

bool StringList::insertSorted(std::string text, std::string key) {
  if (blocks_.empty()) {
    insert(0, std::move(text), std::move(key));
    return true;
  }
  const std::string_view k = key;
  // The first block whose last key is not below the key holds the place;
  // past every block's last key is the end of the last block.
  auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                    [k](const Block& b) { return std::string_view(b.back().key) < k; });
  if (block == blocks_.end()) --block;
  const auto entry =
      std::partition_point(block->begin(), block->end(), [k](const Entry& e) { return std::string_view(e.key) < k; });
  if (entry != block->end() && entry->key == key) return false;
  const auto b = static_cast<std::size_t>(block - blocks_.begin());
  insertAt(b, static_cast<std::size_t>(entry - block->begin()), Entry{std::move(text), std::move(key)});
  // Where the blocks start is not counted here; the next locate counts
  // from the first.
  cursorBlock_ = cursorStart_ = 0;
  return true;
}

}  // namespace quillan::core
