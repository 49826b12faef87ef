// The commands of string lists and the clipboard: LIST (the four internal
// lists and the dialog's list and combo boxes) and CLIPBOARD, with the
// words each looks up.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/Commands.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kListCommands;
extern const std::span<const core::CommandRow> kClipboardCommands;

// clang-format off
enum class ListOperation : std::uint8_t {
  Create, Close, Seek, Assign, LoadFile, FileList, DropFile, SaveFile, Put, Add, Delete, Clear,
  RegKeys, RegVals, Insert, Copy, Paste
};
// clang-format on
// The seventeen operations in
// "CREATECLOSEEKASSIGNLOADFILELISTDROPFILESAVEFILEPUTADDELETECLEAREGKEYSREGVALSINSERTCOPYPASTE".
extern const core::KeywordTable<ListOperation> kListOperations;

enum class ClipboardAction : std::uint8_t { Clear, Append, Set };
// CLEAR, APPEND and SET in "CLEARAPPENDSET".
extern const core::KeywordTable<ClipboardAction> kClipboardActions;

}  // namespace quillan::commands
