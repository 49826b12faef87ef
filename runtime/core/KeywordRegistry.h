// Every packed keyword table of the interpreter, listed for the table test:
// the positions in the rows are typed in by hand, so each must lie on the
// start of its name and each name must be found at it. A table joins the
// list of its layer; the layer above lists the one below, so the commands
// layer's list is all of them.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/core/Keywords.h"

namespace quillan::core {

// A table as the test sees it, whatever its entry type.
struct KeywordTableFacts {
  std::string_view title;
  std::string_view packed;
  std::vector<std::pair<int, std::string_view>> rows;  // start position, the name that must stand there
};

// The facts of table; nameOf gives the name each row stands for.
template <typename Entry, typename NameOf>
KeywordTableFacts factsOf(std::string_view title, const KeywordTable<Entry>& table, NameOf nameOf) {
  KeywordTableFacts facts{title, table.packed, {}};
  for (const auto& row : table.rows) facts.rows.emplace_back(row.position, nameOf(row));
  return facts;
}

// As above, with the names listed in the order of the rows.
template <typename Entry>
KeywordTableFacts factsOf(std::string_view title, const KeywordTable<Entry>& table,
                          std::initializer_list<std::string_view> names) {
  KeywordTableFacts facts{title, table.packed, {}};
  if (names.size() != table.rows.size()) facts.rows.emplace_back(0, "(as many names as rows)");
  auto name = names.begin();
  for (const auto& row : table.rows) facts.rows.emplace_back(row.position, name != names.end() ? *name++ : "");
  return facts;
}

// The tables of the engine: commands, function groups, block words.
std::vector<KeywordTableFacts> coreKeywordTables();

}  // namespace quillan::core
