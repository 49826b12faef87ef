// The words of the dialog commands, as packed keyword tables: element
// kinds, DIALOG sub-commands, dialog styles, bitmap options, and the sixteen
// colour names with their values.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/core/DialogHost.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

enum class SubCommand : std::uint8_t {
  Title,
  Set,
  Focus,
  Clear,
  ClearSel,
  Close,
  Cursor,
  Hide,
  Enable,
  Disable,
  Show,
  Create,
  Popup
};

enum class BitmapOption : std::uint8_t { Click, Hand, Cross, Stretch };

extern const core::KeywordTable<core::ElementKind> kElementKinds;
extern const core::KeywordTable<SubCommand> kSubCommands;
extern const core::KeywordTable<core::DialogStyle> kDialogStyles;
extern const core::KeywordTable<BitmapOption> kBitmapOptions;

// The colour names stand in slots of eight characters, blank-padded; a
// name selects the slot whose trimmed text equals it, so RED is pure red
// and not the tail of DKRED.
inline constexpr std::string_view kColourSlots =
    "BACKGRNDFOREGRNDBLACK   DKRED   DKGREEN BROWN   DKBLUE  MAGENTA GRAY    SILVER  RED     LTGREEN YELLOW  "
    "LTBLUE  CYAN    WHITE   ";
extern const core::KeywordTable<core::Colour> kColours;

// The colour of an upper-cased, trimmed name, or nothing.
std::optional<core::Colour> colourNamed(std::string_view upperName);

}  // namespace quillan::commands
