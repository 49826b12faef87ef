#include "runtime/functions/FunctionKeywords.h"

#include "runtime/functions/RegistryRoots.h"

namespace quillan::functions {

std::vector<core::KeywordTableFacts> functionKeywordTables() {
  std::vector<core::KeywordTableFacts> tables = core::coreKeywordTables();
  tables.push_back(core::factsOf(
      "SYSINFO items", kSystemItems,
      {"WINVER", "SCREENWIDTH", "SCREENHEIGHT", "WIN32", "PIXPERIN", "TOTMEM", "FREEMEM", "MEMLOAD", "QNVER"}));
  tables.push_back(core::factsOf("CLICK selectors", kClickItems, {"BUTTON", "X", "Y", "REGION"}));
  tables.push_back(core::factsOf("registry roots", kRegistryRoots, {"ROOT", "CURUSER", "USERS", "LOCAL", "STATS"}));
  return tables;
}

}  // namespace quillan::functions
