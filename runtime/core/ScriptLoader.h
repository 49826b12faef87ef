// Reading the script lines out of a compiled script file's bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::core {

struct LoadedScript {
  bool ok = false;
  std::string message;  // "File is corrupt" when !ok
  std::vector<std::string> lines;
};

// file holds the whole file, stub included.
LoadedScript loadScript(std::string_view file);

// Splits an unscrambled text block body into lines at single NUL bytes: a
// trailing NUL adds no empty line, two NULs in a row give one, and an empty
// body gives one empty line.
void splitBlock(std::string_view body, std::vector<std::string>& lines);

}  // namespace quillan::core
