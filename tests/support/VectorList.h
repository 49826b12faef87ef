// A dialog list for the interpreter's tests: items in a vector and a
// selection that, like a list box's, is -1 or the index of an item.
#pragma once

#include <string>
#include <vector>

#include "runtime/core/ScriptList.h"

namespace quillan::testing {

class VectorList final : public core::ScriptList {
 public:
  std::vector<std::string> items;
  std::int32_t selected = -1;

  bool internal() const override { return false; }
  std::int32_t count() const override { return static_cast<std::int32_t>(items.size()); }
  std::string item(std::int32_t index) const override { return items.at(static_cast<std::size_t>(index)); }
  std::int32_t position() const override { return selected; }
  void setPosition(std::int32_t position) override { selected = position >= 0 && position < count() ? position : -1; }
  void advance() override { selected = selected >= 0 && selected + 1 < count() ? selected + 1 : -1; }
  void add(std::string_view text) override { items.emplace_back(text); }
  void insert(std::int32_t index, std::string_view text) override {
    items.insert(items.begin() + index, std::string(text));
  }
  void replace(std::int32_t index, std::string_view text) override { items.at(static_cast<std::size_t>(index)) = text; }
  void remove(std::int32_t index) override {
    items.erase(items.begin() + index);
    if (selected >= count()) selected = -1;
  }
  void clear() override {
    items.clear();
    selected = -1;
  }
};

}  // namespace quillan::testing
