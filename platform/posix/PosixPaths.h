// Script paths on Linux: "\" and "/" both separate parts, and the file
// system only knows "/".
#pragma once

#include <string>
#include <string_view>

namespace quillan::posix {

// The path with every "\" turned into "/".
std::string toSystemPath(std::string_view scriptPath);

// $HOME, or the home directory of the user's account, or /tmp (no final "/").
std::string homeDir();

// $XDG_CONFIG_HOME/quillan, or ~/.config/quillan (no trailing "/").
std::string quillanConfigDir();

// Creates dir and its missing parents with mode 0700; true if it exists
// afterwards.
bool makeDirectories(const std::string& dir);

}  // namespace quillan::posix
