// One of the four internal lists a script creates with LIST CREATE: its
// items, whether they are kept sorted, and its current position, which may
// stand anywhere (below 0 or past the end, where there is no current item).
#pragma once

#include <cstdint>

#include "platform/api/Locale.h"
#include "runtime/core/ScriptList.h"
#include "runtime/core/StringList.h"

namespace quillan::core {

class InternalList final : public ScriptList {
 public:
  // A sorted list orders its items by the locale's sort keys; without a
  // locale, by ASCII letters ignoring case.
  InternalList(bool sorted, const os::Locale* locale) : sorted_(sorted), locale_(locale) {}

  bool sorted() const { return sorted_; }
  const StringList& items() const { return items_; }

  bool internal() const override { return true; }
  std::int32_t count() const override { return static_cast<std::int32_t>(items_.size()); }
  std::string item(std::int32_t index) const override { return items_.at(static_cast<std::size_t>(index)); }
  std::int32_t position() const override { return position_; }
  void setPosition(std::int32_t position) override { position_ = position; }
  void advance() override;
  void add(std::string_view text) override;
  void insert(std::int32_t index, std::string_view text) override;
  void replace(std::int32_t index, std::string_view text) override;
  void remove(std::int32_t index) override { items_.erase(static_cast<std::size_t>(index)); }
  void clear() override;

 private:
  std::string keyOf(std::string_view text) const;

  StringList items_;
  bool sorted_;
  const os::Locale* locale_;
  std::int32_t position_ = 0;
};

}  // namespace quillan::core
