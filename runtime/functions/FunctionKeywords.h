// The words that function handlers look up in packed keyword tables: the
// items of SYSINFO and the selectors of CLICK.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/KeywordRegistry.h"
#include "runtime/core/Keywords.h"

namespace quillan::functions {

enum class SystemItem : std::uint8_t {
  WinVer,
  ScreenWidth,
  ScreenHeight,
  Win32,
  PixPerIn,
  TotMem,
  FreeMem,
  MemLoad,
  QnVer
};
extern const core::KeywordTable<SystemItem> kSystemItems;

enum class ClickItem : std::uint8_t { Button, X, Y, Region };
extern const core::KeywordTable<ClickItem> kClickItems;

// The engine's keyword tables and the function library's.
std::vector<core::KeywordTableFacts> functionKeywordTables();

}  // namespace quillan::functions
