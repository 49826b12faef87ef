// The handlers of one vocabulary (the commands, or the functions), indexed
// by its enum. Each family of handlers is a constant array of {name,
// handler} rows; a table is assembled from those arrays, and a name left
// without a row has no handler: it is reported as not available.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace quillan::core {

template <typename Name, typename Handler>
struct HandlerRow {
  Name name;
  Handler handler;
};

template <typename Name, typename Handler, std::size_t Size>
class HandlerTable {
 public:
  using Row = HandlerRow<Name, Handler>;

  HandlerTable() = default;
  // The table of every row of every family given.
  HandlerTable(std::initializer_list<std::span<const Row>> families) {
    for (const auto family : families) add(family);
  }

  void add(std::span<const Row> rows) {
    for (const Row& row : rows) handlers_[index(row.name)] = row.handler;
  }

  // Null when the name has no handler.
  Handler operator[](Name name) const { return handlers_[index(name)]; }

 private:
  static constexpr std::size_t index(Name name) { return static_cast<std::size_t>(name); }

  std::array<Handler, Size> handlers_{};
};

}  // namespace quillan::core
