// Any source text through the checker quillanc runs on every compile: it
// must end, and every warning must point into the text (a line that
// exists, a column on that line) with a message that keeps to one
// printable line, since editors parse it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/quillanc/ScriptCompiler.h"
#include "tools/quillanc/check/ScriptChecker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 16384) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = quillan::compiler::splitSourceLines(text);
  for (const quillan::checker::Warning& w : quillan::checker::checkScript(lines)) {
    if (w.line < 1 || static_cast<std::size_t>(w.line) > lines.size()) std::abort();
    const std::string& line = lines[static_cast<std::size_t>(w.line - 1)];
    if (w.column < 1 || static_cast<std::size_t>(w.column) > line.size()) std::abort();
    if (w.message.empty()) std::abort();
    for (const char c : w.message)
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) std::abort();
  }
  return 0;
}
