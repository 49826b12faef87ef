// A list that the LIST command and the list functions work on: one of the
// four internal lists, or a list or combo box of the dialog (which the
// dialog host hands out behind this same face). Indexes are 0-based.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::core {

class ScriptList {
 public:
  virtual ~ScriptList() = default;

  // True for the four internal lists; a dialog list is never created or
  // discarded by the LIST command.
  virtual bool internal() const = 0;
  virtual std::int32_t count() const = 0;
  // index must lie in 0..count()-1.
  virtual std::string item(std::int32_t index) const = 0;

  // The current position: for a dialog list its selected index, -1 when
  // nothing is selected, so moving it moves the visible selection.
  virtual std::int32_t position() const = 0;
  virtual void setPosition(std::int32_t position) = 0;
  // Moves on by one: an internal list's position counts on past the end; a
  // dialog list's selection moves to the next item, or to none after the
  // last.
  virtual void advance() = 0;

  // Adds at the end, or at the sorted place of a sorted list (where a text
  // already present by the list's comparison is not added again).
  virtual void add(std::string_view text) = 0;
  // Inserts before index (0..count()); a sorted list adds at the sorted
  // place instead.
  virtual void insert(std::int32_t index, std::string_view text) = 0;
  // Replaces the item at index; a sorted list removes it and adds the text
  // at its sorted place.
  virtual void replace(std::int32_t index, std::string_view text) = 0;
  virtual void remove(std::int32_t index) = 0;
  // Removes every item; an internal list's position becomes 0, a dialog
  // list's selection none.
  virtual void clear() = 0;

  // Whether there is an item at the current position.
  bool hasCurrent() const {
    const std::int32_t p = position();
    return p >= 0 && p < count();
  }
};

}  // namespace quillan::core
