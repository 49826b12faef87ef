// Any bytes after the stub: the loader must report "File is corrupt" or
// return lines, never crash, hang or read outside the buffer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/core/ScriptFormat.h"
#include "runtime/core/ScriptLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string file(quillan::core::kStubSize, ' ');
  file.append(reinterpret_cast<const char*>(data), size);
  const auto script = quillan::core::loadScript(file);
  if (script.ok) {
    for (const auto& line : script.lines)
      if (line.find('\0') != std::string::npos) __builtin_trap();
  }
  return 0;
}
