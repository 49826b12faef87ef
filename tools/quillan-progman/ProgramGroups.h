// The program groups a script creates, kept as the desktop's application
// menu: a group is a submenu (a merge file under menus/applications-merged
// in the configuration directory, and a directory entry under
// desktop-directories in the data directory), an item a desktop entry
// under applications in the data directory whose category puts it into its
// group's submenu. Every file is named from the encoded names (a-z, 0-9
// and "_" only) behind the prefix "quillan-progman-", so no name from a
// script reaches outside these directories or touches another program's
// files, and every file is written atomically.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/quillan-progman/ProgmanCommands.h"

namespace quillan::progman {

struct MenuPlaces {
  std::string menus;         // $XDG_CONFIG_HOME/menus/applications-merged
  std::string directories;   // $XDG_DATA_HOME/desktop-directories
  std::string applications;  // $XDG_DATA_HOME/applications
};

// The places of this user by the XDG base directory rules (a variable that
// is unset, empty or not absolute gives the default under home).
MenuPlaces userMenuPlaces(const char* home, const char* configHome, const char* dataHome);

inline constexpr std::string_view kFilePrefix = "quillan-progman-";

class ProgramGroups {
 public:
  explicit ProgramGroups(MenuPlaces places) : places_(std::move(places)) {}

  // Runs the commands in order and stops at the first that fails: its
  // reason, or empty when all were done. The command names are checked
  // before anything runs, so a string with an unknown command changes
  // nothing.
  std::string run(const std::vector<ProgmanCommand>& commands);

  // The display names of the groups, in the order of their file names.
  std::vector<std::string> groups() const;

  // The handlers of the command table.
  std::string createGroup(const ProgmanCommand& command);
  std::string deleteGroup(const ProgmanCommand& command);
  std::string showGroup(const ProgmanCommand& command);
  std::string addItem(const ProgmanCommand& command);
  std::string deleteItem(const ProgmanCommand& command);
  std::string replaceItem(const ProgmanCommand& command);
  std::string displayOnly(const ProgmanCommand& command);

 private:
  std::string menuFile(const std::string& group) const;
  std::string directoryFile(const std::string& group) const;
  std::string itemFile(const std::string& group, const std::string& item) const;
  bool groupExists(const std::string& group) const;

  MenuPlaces places_;
  std::string current_;  // the encoded name of the group AddItem adds to
};

}  // namespace quillan::progman
