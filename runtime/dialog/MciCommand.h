// The command strings the MCI function understands, read without Qt:
//
//   open FILE [type TYPE] [alias NAME] [wait]   a sound file; the alias is
//                                               the name it goes by (the
//                                               file name when none)
//   play NAME [wait]                            from where it stands; wait
//                                               returns when it has ended
//   pause NAME, resume NAME, stop NAME          stop goes back to the start
//   close NAME, close all
//   status NAME mode|length|position            "playing", "paused",
//                                               "stopped" or "not ready";
//                                               milliseconds
//
// Words are separated by blanks and compared ignoring case; double quotes
// keep a file name with blanks together. Anything else is refused with a
// text that says what is not understood.
#pragma once

#include <string>
#include <string_view>

namespace quillan::dialog {

struct MciCommand {
  enum class Verb { Open, Play, Pause, Resume, Stop, Close, Status };
  enum class Item { None, Mode, Length, Position };
  Verb verb = Verb::Open;
  std::string device;  // open: the file; otherwise the name (upper case), "ALL" for close all
  std::string alias;   // open: the name it goes by (upper case)
  Item item = Item::None;
  bool wait = false;
};

// False with the reason in error.
bool parseMciCommand(std::string_view text, MciCommand& command, std::string& error);

}  // namespace quillan::dialog
