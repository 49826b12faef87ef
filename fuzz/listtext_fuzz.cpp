// Feeds arbitrary bytes to the readers of list text (the lines of a file
// for LOADFILE, the clipboard's text for PASTE) and to a sorted list, and
// checks what must hold for any text:
//  - no line of a file holds a line break, and the lines joined with LF are
//    the text with every CR LF and lone CR made an LF, less a final LF;
//  - no pasted item holds a CR, and the items joined with CR are the text
//    with every CR LF made a CR, less a final CR (an empty text is one
//    empty item);
//  - the lines added to a sorted list come out in order of their keys,
//    without two equal keys, and the list holds every distinct key.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "runtime/commands/ListText.h"
#include "runtime/core/InternalList.h"

namespace {

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "listtext_fuzz: %s\n", what);
    std::abort();
  }
}

// Every CR LF as `to`, and each lone CR as well when crAlone is true.
std::string normalised(std::string_view text, char to, bool crAlone) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out.push_back(to);
      ++i;
    } else if (text[i] == '\r' && crAlone) {
      out.push_back(to);
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

template <typename Parts>
std::string joined(const Parts& parts, char separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.push_back(separator);
    out.append(parts[i]);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto lines = quillan::commands::fileLines(text);
  for (const auto line : lines) check(line.find_first_of("\r\n") == std::string_view::npos, "a line holds a break");
  std::string expected = normalised(text, '\n', true);
  if (!expected.empty() && expected.back() == '\n') expected.pop_back();
  check(joined(lines, '\n') == expected, "the lines are not the text");

  const auto items = quillan::commands::pastedItems(text);
  check(!items.empty(), "no item pasted");
  for (const auto item : items) check(item.find('\r') == std::string_view::npos, "an item holds a CR");
  expected = normalised(text, '\r', false);
  if (!expected.empty() && expected.back() == '\r') expected.pop_back();
  check(joined(items, '\r') == expected, "the pasted items are not the text");

  quillan::core::InternalList list(true, nullptr);
  std::set<std::string> keys;
  for (const auto line : lines) {
    list.add(line);
    keys.insert(quillan::os::Locale::asciiSortKey(line));
  }
  const auto& sorted = list.items();
  check(sorted.size() == keys.size(), "a sorted list lost or doubled a key");
  for (std::size_t i = 1; i < sorted.size(); ++i)
    check(sorted.keyAt(i - 1) < sorted.keyAt(i), "a sorted list is out of order");
  return 0;
}
