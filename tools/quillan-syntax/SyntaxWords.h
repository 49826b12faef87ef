// The words an editor should know in a script source, taken from the
// interpreter's own keyword tables so that a new command, function or
// sub-command reaches the syntax files without anyone listing it twice.
#pragma once

#include <string>
#include <vector>

namespace quillan::syntax {

struct SyntaxWords {
  std::vector<std::string> commands;   // upper case, table order
  std::vector<std::string> functions;  // upper case, without the "@"
  // Sub-commands, options, element kinds, colour names and the like: every
  // other table's words that are not already a command or a function.
  std::vector<std::string> keywords;
};

SyntaxWords languageWords();

}  // namespace quillan::syntax
