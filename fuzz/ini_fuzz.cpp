// Feeds arbitrary bytes to the INI parser and one edit derived from them,
// and checks what must hold for any file:
//  - an unedited document serializes to exactly the bytes it was parsed from;
//  - every listed section and key can be looked up;
//  - a key just written reads back as the read rules make of its value;
//  - a removed key or erased section is gone from the first copy;
//  - the edited text parses again to the same bytes and the same value.
//
// Input layout: byte 0 picks the edit, bytes 1-3 are the lengths (0-15) of
// the section, key and value that follow them; the rest is the file. Shorter
// inputs are parsed and queried only.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/IniDocument.h"
#include "platform/ini/IniText.h"

namespace {

using quillan::ini::IniDocument;
namespace text = quillan::ini::text;

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "ini invariant broken: %s\n", what);
    std::abort();
  }
}

void checkLookups(const IniDocument& doc) {
  for (const std::string& section : doc.sections()) {
    check(doc.hasSection(section), "a listed section is found");
    for (const std::string& key : doc.keys(section)) {
      check(doc.value(section, key).has_value(), "a listed key is found");
    }
    doc.sectionLines(section);
  }
}

// A name written by set() is found again under the same name only when the
// caller's trimming (spaces) and the file's trimming agree on its ends.
bool namesReadBack(std::string_view section, std::string_view key) {
  const std::string_view s = text::trimSpaces(section);
  const std::string_view k = text::trimSpaces(key);
  return IniDocument::canStoreSectionName(s) && IniDocument::canStoreKeyName(k) && text::trimBlanks(s) == s &&
         text::trimBlanks(k) == k;
}

std::string expectedRead(std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  return std::string(text::unquote(text::trimBlanks(value)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  IniDocument doc = IniDocument::parse(input);
  check(doc.serialize() == input, "an unedited document keeps its bytes");
  checkLookups(doc);
  if (size < 4) return 0;

  const unsigned op = data[0] % 4;
  std::size_t at = 4;
  auto take = [&](std::size_t wanted) {
    const std::size_t n = std::min<std::size_t>(wanted % 16, size - at);
    const std::string_view part = input.substr(at, n);
    at += n;
    return part;
  };
  const std::string_view section = take(data[1]);
  const std::string_view key = take(data[2]);
  const std::string_view value = take(data[3]);
  doc = IniDocument::parse(input.substr(at));

  switch (op) {
    case 0:
    case 1:
      doc.set(section, key, value);
      if (namesReadBack(section, key)) {
        const std::optional<std::string> read = doc.value(section, key);
        check(read.has_value(), "a written key is found");
        check(*read == expectedRead(value), "a written key reads back its value");
      }
      break;
    case 2: {
      const std::size_t before = doc.keys(section).size();
      const bool present = doc.value(section, key).has_value();
      doc.remove(section, key);
      check(doc.keys(section).size() == before - (present ? 1 : 0), "remove deletes one key line");
      break;
    }
    case 3: {
      const std::size_t before = doc.sections().size();
      const bool present = doc.hasSection(section);
      doc.eraseSection(section);
      check(doc.sections().size() == before - (present ? 1 : 0), "erase deletes one section");
      break;
    }
  }
  checkLookups(doc);

  const std::string written = doc.serialize();
  const IniDocument reread = IniDocument::parse(written);
  check(reread.serialize() == written, "edited text parses back to the same bytes");
  // Text from a UTF-16 file goes through a re-encoding that may normalise
  // bytes a caller passed that were not UTF-8, so compare 8-bit files only.
  if (!doc.isUtf16()) {
    check(reread.value(section, key) == doc.value(section, key), "edited text reads back the same");
  }
  return 0;
}
