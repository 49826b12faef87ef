// Setting variables, splitting a text into variables, and the preparation
// step that resets the run-time state before the first line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/Runtime.h"

namespace quillan::core {

// name is "%X" (upper-cased) or a dialog element's name. "%1"-"%9" and
// "%A"-"%Z" set a slot (further characters are ignored); any other "%" name
// is run-time error 5. An element name sets that element when a dialog is
// shown (error 5 if it has no such element) and does nothing otherwise.
void setVariable(Runtime& rt, std::string_view name, std::string_view value);

// Assigns the separator-delimited fields of text to the ";"-separated names
// (an empty name skips its field). A field may be wrapped in double quotes,
// which keep separators and blanks inside it and are removed.
void splitInto(Runtime& rt, std::string_view text, std::string_view names, char separator);

// The script section prefix: "Program\" and the file name of path up to its
// first ".".
std::string sectionPrefixFor(std::string_view path);

// The section of the current INI file that a script's section field names:
// "Default" for an empty field; with the default INI file, the script
// section prefix, "\" and that name, which keeps the scripts that share the
// file apart.
std::string iniSectionFor(const Runtime& rt, std::string_view section);

// Resets the run-time state. scriptPath is command-line argument 1 (empty
// for the built-in script); parameters are the arguments after it, exactly
// as the user's shell passed them, and become %1 to %9.
void prepare(Runtime& rt, std::string_view scriptPath, const std::vector<std::string>& parameters);

// The file lookup rule: the full path of name if such a file exists,
// otherwise the default directory, "\" and name.
std::string lookUpFile(Runtime& rt, std::string_view name);
// The default directory, "\" and name (the rule's second half).
std::string inDefaultDirectory(Runtime& rt, std::string_view name);

// The INI file that INIFILE WRITE and INIREAD use: the one INIFILE OPEN
// named, else QN16.INI, found the first time it is asked for.
const std::string& iniFileInUse(Runtime& rt);

}  // namespace quillan::core
