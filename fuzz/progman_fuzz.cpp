// Any command string a script may send to the program-group peer: the
// parser must end cleanly, and what it accepts is run against scratch
// directories whose files must all stay inside them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/quillan-progman/DesktopEntry.h"
#include "tools/quillan-progman/ProgmanCommands.h"
#include "tools/quillan-progman/ProgramGroups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillan::progman;
  namespace fs = std::filesystem;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParsedCommands parsed = parseCommands(text);
  for (const ProgmanCommand& command : parsed.commands)
    for (const std::string& argument : command.arguments) (void)execValue(splitCommandLine(argument));
  if (parsed.commands.empty()) return 0;

  static const fs::path root = fs::temp_directory_path() / ("quillan-progman-fuzz-" + std::to_string(getpid()));
  ProgramGroups groups(userMenuPlaces(root.c_str(), (root / "c").c_str(), (root / "d").c_str()));
  (void)groups.run(parsed.commands);
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
    const std::string where = fs::relative(entry.path(), root).string();
    if (where.rfind("..", 0) == 0) __builtin_trap();
  }
  fs::remove_all(root, error);
  return 0;
}
