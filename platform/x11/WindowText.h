// Text at the X boundary, without X: how a script's designation becomes
// the UTF-8 of window titles, how titles and classes are compared, and
// what a window class property holds. Pure functions, tested without a
// display.
#pragma once

#include <string>
#include <string_view>

namespace quillan::x11 {

// Script text as the desktop shows it: bytes that form valid UTF-8 stay as
// they are, anything else is read as Latin-1 (as the dialog converts it).
std::string toWindowText(std::string_view scriptText);
std::string latin1ToUtf8(std::string_view latin1);

// Equal without regard to case: ASCII letters and the letters of Latin-1
// written in UTF-8 (so "ÉTÉ" equals "été").
bool sameTextIgnoringCase(std::string_view a, std::string_view b);

// The two NUL-terminated parts of a WM_CLASS property: instance, class.
struct ClassParts {
  std::string instance;
  std::string className;
};
ClassParts splitClass(std::string_view property);

}  // namespace quillan::x11
