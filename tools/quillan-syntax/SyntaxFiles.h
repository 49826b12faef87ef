// The syntax definitions for script sources (.qs): one for
// KSyntaxHighlighting (Kate, KDevelop, Qt Creator) and one for Vim.
//
// What they colour: a command word at the start of a line; a REM line as a
// comment; a ":label" line; "@name" calls of the known functions; "%x"
// references (also inside quotes, where they are replaced as well); text
// in double quotes; the sub-commands and option words; whole numbers.
// Words match without regard to case, as the interpreter reads them.
#pragma once

#include <string>

#include "tools/quillan-syntax/SyntaxWords.h"

namespace quillan::syntax {

std::string kateDefinition(const SyntaxWords& words);
std::string vimSyntax(const SyntaxWords& words);
std::string vimFiletypeDetection();

}  // namespace quillan::syntax
