// Feeds arbitrary bytes to the executable icon reader and checks what must
// hold for any input:
//  - whatever it returns is no larger than the cap on icon files;
//  - whatever it returns is itself an icon file the reader accepts and
//    hands back unchanged, so a caller can always pass the result on.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/peicon/ExecutableIcon.h"
#include "platform/peicon/IconFile.h"

namespace {

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "icon reader invariant broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> ico = quillan::peicon::firstIconAsIco(input);
  if (!ico) return 0;
  check(ico->size() <= quillan::peicon::kMaxIconFileBytes, "the icon file stays under the cap");
  check(quillan::peicon::firstIconAsIco(*ico) == ico, "the icon file reads back as itself");
  return 0;
}
