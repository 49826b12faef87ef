// Writing values of freedesktop desktop entries: strings with their escapes,
// and a program's command line as an Exec value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::progman {

// A string value: backslash, line breaks and tabs escaped, a leading blank
// as "\s", other control characters dropped (they have no place in a
// desktop entry and would otherwise start a line of their own).
std::string desktopString(std::string_view text);

// Splits a command line at blanks outside double quotes; the quotes go.
std::vector<std::string> splitCommandLine(std::string_view line);

// The arguments as an Exec value: an argument holding a reserved character
// in double quotes with ", `, $ and \ escaped, every "%" doubled so it is
// no field code, and the whole escaped as a string.
std::string execValue(const std::vector<std::string>& arguments);

}  // namespace quillan::progman
