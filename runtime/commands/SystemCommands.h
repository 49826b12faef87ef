// The commands that keep a script's data and settings: REGISTRY (registry
// values and keys), INIFILE (the current INI file and its values) and
// OPTION (the run-time settings), with the words each looks up.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/Commands.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kRegistryCommands;
extern const std::span<const core::CommandRow> kIniFileCommands;
extern const std::span<const core::CommandRow> kOptionCommands;
extern const std::span<const core::CommandRow> kDdeCommands;

enum class RegistryAction : std::uint8_t { Write, Delete };
// WRITE and DELETE in "WRITEDELETE".
extern const core::KeywordTable<RegistryAction> kRegistryActions;

enum class IniFileAction : std::uint8_t { Open, Write };
// OPEN and WRITE in "OPENWRITE".
extern const core::KeywordTable<IniFileAction> kIniFileActions;

enum class RunOption : std::uint8_t { FileName, SleepTime, FieldSep, RegBuf, Priority, SkDelay };
// The six settings in "FILENAMESLEEPTIMEFIELDSEPREGBUFPRIORITYSKDELAY".
extern const core::KeywordTable<RunOption> kRunOptions;

enum class DdeOperation : std::uint8_t { Link, Poke, Execute, Terminate };
// LINK, POKE, EXECUTE and TERMINATE in "LINKPOKEXECUTERMINATE".
extern const core::KeywordTable<DdeOperation> kDdeOperations;

}  // namespace quillan::commands
