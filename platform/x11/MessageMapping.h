// Window message numbers mean nothing to X clients. The few that scripts
// send to make a window close, minimise, maximise or restore are carried
// out as those operations; every other number travels as a client message
// of type _QUILLAN_WINDOW_MESSAGE (see docs/WINDOWS.md). Pure, tested
// without a display.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/api/WindowAutomation.h"

namespace quillan::x11 {

enum class MessageOperation : std::uint8_t { Close, Iconize, Maximize, Normal };

// The operation a message stands for, or none when it is sent as it is.
std::optional<MessageOperation> operationForMessage(std::uint16_t message, std::uint16_t wparam);

}  // namespace quillan::x11
