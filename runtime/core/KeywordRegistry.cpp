#include "runtime/core/KeywordRegistry.h"

#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"
#include "runtime/core/LabelIndex.h"

namespace quillan::core {

std::vector<KeywordTableFacts> coreKeywordTables() {
  std::vector<KeywordTableFacts> tables;
  for (const auto& view : kCommandTables)
    tables.push_back(factsOf("commands", view.table, [](const KeywordRow<Command>& row) {
      return kCommandNames[static_cast<std::size_t>(row.entry)];
    }));
  for (const auto& group : kFunctionGroups)
    tables.push_back(factsOf("functions", group.table, [](const KeywordRow<Function>& row) {
      // The second row of NOT is its other spelling.
      if (row.entry == Function::Not && row.position == 14) return std::string_view("NULL");
      return kFunctionNames[static_cast<std::size_t>(row.entry)];
    }));
  tables.push_back(factsOf("block words", kBlockWords, {"IF", "ELSE", "END"}));
  return tables;
}

}  // namespace quillan::core
