// FILE and DIRECTORY: what scripts do to files and directories, each
// operation answering through the success flag.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/Commands.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kFileCommands;
extern const std::span<const core::CommandRow> kDirectoryCommands;

enum class FileAction : std::uint8_t { Copy, Rename, Delete, SetDate, SetAttr };
// The five operations in "COPYRENAMEDELETESETDATESETATTR".
extern const core::KeywordTable<FileAction> kFileActions;

enum class DirectoryAction : std::uint8_t { Create, Change, Delete };
// CREATE, CHANGE and DELETE in "CREATECHANGEDELETE".
extern const core::KeywordTable<DirectoryAction> kDirectoryActions;

}  // namespace quillan::commands
