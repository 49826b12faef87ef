// FILE and DIRECTORY: what scripts do to files and directories, each
// operation answering through the success flag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/api/FileOperations.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FieldReader.h"
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

// One operation of FILE or DIRECTORY on one path.
using PathAction = void (*)(core::Runtime&, os::FileOperations&, const std::string&);

// Reads the operation word and the path, both required, and runs the
// handler the word selects (handlers in the order of the table's enum). An
// unknown word is error 14; without a file service the flag is cleared.
template <typename Action>
void runPathAction(core::Runtime& rt, const core::KeywordTable<Action>& words, std::span<const PathAction> handlers) {
  std::string action = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(action);
  const auto* row = words.find(action);
  if (row == nullptr) {
    rt.fail(core::kUnknownWord);
    return;
  }
  const std::string path = core::requiredField(rt);
  if (rt.error != 0) return;
  if (rt.os.files == nullptr) {
    rt.success = false;
    return;
  }
  handlers[static_cast<std::size_t>(row->entry)](rt, *rt.os.files, path);
}

}  // namespace quillan::commands
