// The command words of the language. The five packed tables are chosen by
// the first character of the word; the handlers are filled in by the layers
// that own the commands, and a command whose handler is missing ends the
// script with a report that it is not available.
#pragma once

#include <array>
#include <string_view>

#include "runtime/core/HandlerTable.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/Runtime.h"

namespace quillan::core {

// Grouped by the packed table that holds them.
// clang-format off
enum class Command {
  Beep, Clipboard, Break,
  Dialog, Else, End, Dde, Exit, Directory, ExitWin,
  Gosub, Goto, If, Info, IniFile, File, List,
  Registry, Rem, Repeat, Run, RunH, RunM, RunZ, Play, Option, Parse,
  Shift, Title, Until, Wait, Window, Warn, Shell,
  Count
};
// clang-format on

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

// Upper-case names, in the order of Command.
extern const std::array<std::string_view, kCommandCount> kCommandNames;

using CommandRow = HandlerRow<Command, CommandHandler>;

// A class of its own (not an alias) so that Runtime.h can declare it.
struct CommandSet : HandlerTable<Command, CommandHandler, kCommandCount> {
  using HandlerTable::HandlerTable;
};

// The command that the upper-cased word selects, or Command::Count when the
// word selects none (run-time error 1).
Command findCommand(std::string_view word);

// The five tables, for the table test.
using CommandTableView = KeywordGroup<Command>;
extern const std::array<CommandTableView, 5> kCommandTables;

}  // namespace quillan::core
