// Feeds arbitrary bytes to the .reg reader and checks what must hold for any
// file:
//  - an error names a line of the file (or the line after its last);
//  - a file that reads without error applies to an empty store without error;
//  - what that store exports reads again, and applied to another empty store
//    exports to exactly the same text (the round trip is byte-identical).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/fake/FakeRegistry.h"
#include "tools/quillanreg/RegText.h"
#include "tools/quillanreg/RegTransfer.h"

namespace {

namespace regfile = quillan::regfile;

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "regfile invariant broken: %s\n", what);
    std::abort();
  }
}

std::string importAndExport(const regfile::RegParse& parsed) {
  quillan::fake::FakeRegistry store;
  const regfile::ApplyReport applied = regfile::applyOperations(store, parsed.operations);
  check(applied.ok(), "a file that reads applies to an empty store");
  std::string text;
  const regfile::ExportReport exported = regfile::exportStore(store, text);
  check(exported.status == quillan::reg::Success, "an export of a store in memory succeeds");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const regfile::RegParse parsed = regfile::readRegText(input);
  if (!parsed.ok()) {
    std::size_t lines = 1;
    for (char c : input) lines += c == '\n';
    check(parsed.errorLine >= 1 && parsed.errorLine <= lines, "an error names a line of the file");
    check(!parsed.error.empty(), "an error says what is wrong");
    check(parsed.operations.empty(), "a file with an error yields nothing to apply");
    return 0;
  }
  const std::string first = importAndExport(parsed);
  const regfile::RegParse again = regfile::readRegText(first);
  check(again.ok(), "an export reads back");
  check(importAndExport(again) == first, "export, import, export gives the same text");
  return 0;
}
