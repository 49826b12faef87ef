// Reading a WAV file's header, so that PLAY WAIT knows how long the sound
// lasts before the player has said. Plain C++: no Qt, no file access.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillan::dialog {

// The length of a WAV file's sound in milliseconds, from the first bytes
// of the file (head) and its size; -1 when they are not a WAV file with a
// usable format and data chunk.
std::int64_t wavLengthMs(std::string_view head, std::uint64_t fileSize);

}  // namespace quillan::dialog
