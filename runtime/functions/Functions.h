// The function library's vocabulary: eight packed group strings, chosen by
// the first character of the name, and one handler per function. Handlers
// read their arguments with the function argument reader (FieldReader.h),
// write their result text and may set the success flag or an error code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "runtime/core/Keywords.h"
#include "runtime/core/Runtime.h"

namespace quillan::functions {

using core::Runtime;
using FunctionHandler = void (*)(Runtime&, std::string& result);

enum class Function {
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

inline constexpr std::size_t kFunctionCount = static_cast<std::size_t>(Function::Count_);

// Upper-case names in the order of Function (NOT stands for NOT and NULL).
extern const std::array<std::string_view, kFunctionCount> kFunctionNames;

struct FunctionSet {
  std::array<FunctionHandler, kFunctionCount> handlers{};  // null: not available yet
  FunctionHandler& operator[](Function f) { return handlers[static_cast<std::size_t>(f)]; }
  FunctionHandler operator[](Function f) const { return handlers[static_cast<std::size_t>(f)]; }
};

struct FunctionGroup {
  char last;  // the group holds names whose first character is <= last
  core::KeywordTable<Function> table;
};
extern const std::array<FunctionGroup, 8> kFunctionGroups;

// The function that the upper-cased name selects, or Function::Count_.
Function findFunction(std::string_view name);

// Installs the call routine into the runtime: "@" calls then run the
// handlers of set (which must outlive the run).
void installFunctions(Runtime& rt, const FunctionSet& set);

// Evaluates the "@" call at 1-based position `at` of the working line.
void callFunction(Runtime& rt, int at);

// How deep "@" calls may nest before the call is refused (error 13); the
// limit keeps a hostile line from exhausting the stack.
inline constexpr int kMaxCallDepth = 200;

}  // namespace quillan::functions
