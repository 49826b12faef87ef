// WINDOW, the command that acts on other windows of the desktop, with its
// operation words and the key text that SEND types.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/api/WindowAutomation.h"
#include "runtime/core/Commands.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kWindowCommands;

enum class WindowAction : std::uint8_t {
  Activate,
  Maximize,
  Iconize,
  Normal,
  Position,
  OnTop,
  Close,
  Send,
  Hide,
  Message
};
// The ten operations in "ACTIVATEMAXIMIZEICONIZENORMALPOSITIONTOPCLOSENDHIDEMESSAGE".
extern const core::KeywordTable<WindowAction> kWindowActions;

// The key a code of the key text below 32 or from 228 to 249 stands for;
// none for a code without one (and for characters and modifier codes).
std::optional<os::Key> keyForCode(unsigned char code);

// Types the key text into the active window: codes 250-255 press and
// release Shift, Ctrl and Alt; a character that the keyboard map types
// only with a modifier gets a Shift press around it unless a modifier code
// holds one; SKDELAY milliseconds pass after each key, with messages
// processed.
void typeKeyText(core::Runtime& rt, os::WindowAutomation& windows, std::string_view text);

}  // namespace quillan::commands
