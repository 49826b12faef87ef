// Feeds arbitrary bytes, as other clients may put them into a window's
// title and class properties, to the text rules of the X boundary, and
// checks what must hold for any bytes:
//  - a script text becomes valid UTF-8, which then stays as it is;
//  - a text equals itself without regard to case, and equality is
//    symmetric;
//  - the class parts hold no NUL and the instance is where the property
//    starts.
// Input layout: byte 0 is where the input splits into two texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/x11/WindowText.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillan::x11;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = size == 0 ? 0 : static_cast<std::size_t>(data[0]) % size;
  const std::string_view a = all.substr(0, cut), b = all.substr(cut);

  const std::string shown = toWindowText(all);
  check(toWindowText(shown) == shown);
  check(shown.size() >= all.size());
  check(sameTextIgnoringCase(a, a));
  check(sameTextIgnoringCase(a, b) == sameTextIgnoringCase(b, a));

  const ClassParts parts = splitClass(all);
  check(parts.instance.find('\0') == std::string::npos);
  check(parts.className.find('\0') == std::string::npos);
  check(all.substr(0, parts.instance.size()) == parts.instance);
  return 0;
}
