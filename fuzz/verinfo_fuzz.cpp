// Feeds arbitrary bytes to the version resource reader and checks what
// must hold for any input:
//  - the file type is one of the five answers;
//  - no string is longer than the input could spell out (a UTF-16 unit
//    becomes at most three bytes, a pair four), so nothing is read twice
//    or from outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/peicon/VersionInfo.h"

namespace {

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "version reader invariant broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const quillan::peicon::VersionInfo info = quillan::peicon::readVersionInfo(input);
  check(info.type == "PE" || info.type == "NE" || info.type == "!!" || info.type == "??", "a known file type");
  for (const std::string* text : {&info.companyName, &info.fileDescription, &info.originalFilename, &info.productName,
                                  &info.fileVersion, &info.productVersion, &info.legalCopyright})
    check(text->size() <= size * 2, "strings come from the input");
  return 0;
}
