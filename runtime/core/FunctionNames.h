// The function words of the language: eight packed group strings, chosen by
// the first character of the name. As with the commands, the vocabulary is
// the engine's and the handlers are the function library's; a function
// whose handler is missing ends the script with a report that it is not
// available.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/core/HandlerTable.h"
#include "runtime/core/Keywords.h"

namespace quillan::core {

struct Runtime;

// Reads its arguments with the function argument reader (FieldReader.h),
// writes its result text and may set the success flag or an error code.
using FunctionHandler = void (*)(Runtime&, std::string& result);

// Grouped by the packed string that holds them.
// clang-format off
enum class Function : std::uint8_t {
  Asc, Chr, Ask, Click, Count, Cr, CurDir, Alt, Ctrl,
  Div, DdeItem, Diff, DlgText, DateTime, DirDlg,
  Equal, File, Env, Event, Ext, Greater, FAdd, FSub, FMul, FDiv, FLn, FExp, Format, FileDlg,
  IniRead, Input, Item, Match, Len, Mci, Index, Key,
  Ok, Name, Next, Not,
  Pred, Pos, Prod, Query, RegRead, RetCode, Path,
  Sum, Succ, SubStr, SysInfo, Shift, Tab, ShortName, Trim,
  Zero, Upper, WinDir, WinExists, WinPos, VolInfo, WinActive, VerInfo,
  Count_
};
// clang-format on

inline constexpr std::size_t kFunctionCount = static_cast<std::size_t>(Function::Count_);

// Upper-case names in the order of Function (NOT stands for NOT and NULL).
extern const std::array<std::string_view, kFunctionCount> kFunctionNames;

using FunctionRow = HandlerRow<Function, FunctionHandler>;

// A class of its own (not an alias) so that Runtime.h can declare it.
struct FunctionSet : HandlerTable<Function, FunctionHandler, kFunctionCount> {
  using HandlerTable::HandlerTable;
};

using FunctionGroup = KeywordGroup<Function>;
extern const std::array<FunctionGroup, 8> kFunctionGroups;

// The function that the upper-cased name selects, or Function::Count_.
Function findFunction(std::string_view name);

}  // namespace quillan::core
