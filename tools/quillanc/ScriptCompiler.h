// Turning script text into a compiled script file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::compiler {

// Splits script text into lines at LF; a CR before the LF goes with it. A
// final line break adds no empty line.
std::vector<std::string> splitSourceLines(std::string_view source);

struct CompileResult {
  bool ok = false;
  std::string error;  // e.g. "line 12 contains a NUL byte"
  std::string bytes;  // the whole file, launcher stub included
};

// Text blocks hold at most this many body bytes unless a single line is
// longer, so that large scripts are spread over several blocks.
inline constexpr std::size_t kMaxBlockBody = 32 * 1024;

CompileResult compileLines(const std::vector<std::string>& lines, std::size_t maxBlockBody = kMaxBlockBody);

// The 8192-byte stub: a shell launcher that hands the file's own path and
// the user's arguments to scriptrun, padded to size.
std::string launcherStub();

}  // namespace quillan::compiler
