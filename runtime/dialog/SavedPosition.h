// Saved window positions: a dialog with the SAVEPOS style reopens where the
// user left it. Values live per compiled script under the runtime's
// settings key, in "UserScripts\" and the script's base name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/api/Registry.h"

namespace quillan::dialog {

enum class WindowState : std::uint8_t { Normal = 0, Minimised = 1, Maximised = 2 };

struct WindowPlace {
  WindowState state = WindowState::Normal;
  int top = 0, left = 0, width = 0, height = 0;  // of the window's frame, in screen pixels
};

// The settings subkey of the script at path: "UserScripts\" and the file
// name up to its first ".", so Tool.exe and Tool.beta.exe share one key. A
// name without "." gives the empty subkey: the settings key itself.
std::string savedPositionKey(std::string_view scriptPath);

// Changes place as the saved values say: nothing when the saved top does
// not lie on the screen (or nothing was saved); a minimised state is never
// restored; a maximised window keeps its created normal position.
void restorePosition(reg::Registry* registry, std::string_view subkey, WindowPlace& place, int screenWidth,
                     int screenHeight, bool includeSize);

// Writes the state, and the position only for a window in its normal state.
void savePosition(reg::Registry* registry, std::string_view subkey, const WindowPlace& place, bool includeSize);

}  // namespace quillan::dialog
