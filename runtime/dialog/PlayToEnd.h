// Playing a sound and waiting for its end, for PLAY WAIT and MCI's
// "play ... wait": the wait runs a local event loop, so the window stays
// alive, and is bounded so that a player stuck without an audio device
// never holds the script.
#pragma once

#include <cstdint>

class QMediaPlayer;

namespace quillan::dialog {

// Starts the player (its source already set) and returns when the sound
// has ended or failed, when it has not started within a moment, or when it
// has run a little past its length: lengthMs when it is 0 or more, else
// what the player reports. Returns whether sound ever flowed.
bool playToEnd(QMediaPlayer& player, std::int64_t lengthMs = -1);

}  // namespace quillan::dialog
