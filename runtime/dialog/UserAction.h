// User actions of unattended mode: the lines of the answer file that play a
// person's part in a dialog. One action is performed each time a round of
// WAIT EVENT finds nothing in the event slot.
//
//   click NAME                      a button
//   click NAME LEFT|RIGHT|CENTER X Y  a clickable bitmap, at X, Y
//   menu CAPTION                    an item of the popup menu
//   type NAME TEXT                  an edit's or combo box's text becomes TEXT
//   check NAME 0|1|2                a check box
//   select NAME TEXT                the item of a list, combo box or radio group
//   close                           the window's close box
//   drop PATH...                    files dropped on the window ("..." for blanks)
//   tray NAME                       a left click on a tray icon
//
// Words are separated by blanks; the action word is matched in any case;
// CAPTION and TEXT are the rest of the line after the blanks before them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::dialog {

enum class ActionKind : std::uint8_t { Click, Menu, Type, Check, Select, Close, Drop, Tray };

struct UserAction {
  ActionKind kind = ActionKind::Close;
  std::string name;
  std::string text;             // CAPTION or TEXT
  std::string button = "LEFT";  // a bitmap click
  int x = 0, y = 0;
  int state = 0;                   // check
  std::vector<std::string> paths;  // drop
};

// Parses one action line. False, with the reason, for a line that is not a
// well-formed action.
bool parseUserAction(std::string_view line, UserAction& action, std::string& problem);

}  // namespace quillan::dialog
