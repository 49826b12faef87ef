#include "runtime/core/InternalList.h"

#include <limits>

namespace quillan::core {

std::string InternalList::keyOf(std::string_view text) const {
  return locale_ != nullptr ? locale_->sortKey(text) : os::Locale::asciiSortKey(text);
}

void InternalList::advance() {
  // Counting on past the end stops short of wrapping round to a valid index.
  if (position_ < std::numeric_limits<std::int32_t>::max()) ++position_;
}

void InternalList::add(std::string_view text) {
  if (!sorted_) {
    items_.insert(items_.size(), std::string(text));
    return;
  }
  items_.insertSorted(std::string(text), keyOf(text));
}

void InternalList::insert(std::int32_t index, std::string_view text) {
  if (sorted_) {
    add(text);
  } else {
    items_.insert(static_cast<std::size_t>(index), std::string(text));
  }
}

void InternalList::replace(std::int32_t index, std::string_view text) {
  items_.erase(static_cast<std::size_t>(index));
  if (sorted_) {
    add(text);
  } else {
    items_.insert(static_cast<std::size_t>(index), std::string(text));
  }
}

void InternalList::clear() {
  items_.clear();
  position_ = 0;
}

}  // namespace quillan::core
