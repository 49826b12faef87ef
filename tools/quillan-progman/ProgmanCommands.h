// The command strings a script sends to the program-group peer: one or
// more commands in square brackets, each a name and an optional list of
// arguments in parentheses, "[CreateGroup(My Tools)][AddItem(run.sh,Tool)]".
// Double quotes protect commas, parentheses and brackets; an argument that
// is one quoted text loses its quotes, any other keeps them. Blanks around
// an argument are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::progman {

struct ProgmanCommand {
  std::string name;  // as written
  std::vector<std::string> arguments;
  friend bool operator==(const ProgmanCommand&, const ProgmanCommand&) = default;
};

struct ParsedCommands {
  std::vector<ProgmanCommand> commands;
  std::string error;  // what is wrong and where, when the text is not well formed
};

ParsedCommands parseCommands(std::string_view text);

}  // namespace quillan::progman
