#include "runtime/functions/FunctionKeywords.h"

namespace quillan::functions {

std::vector<core::KeywordTableFacts> functionKeywordTables() {
  std::vector<core::KeywordTableFacts> tables = core::coreKeywordTables();
  tables.push_back(core::factsOf(
      "SYSINFO items", kSystemItems,
      {"WINVER", "SCREENWIDTH", "SCREENHEIGHT", "WIN32", "PIXPERIN", "TOTMEM", "FREEMEM", "MEMLOAD", "QNVER"}));
  tables.push_back(core::factsOf("CLICK selectors", kClickItems, {"BUTTON", "X", "Y", "REGION"}));
  return tables;
}

}  // namespace quillan::functions
