#include "platform/x11/WindowText.h"

#include <cstdint>

namespace quillan::x11 {
namespace {

// The length of the UTF-8 sequence that starts at text[i], or 0 when it is
// not a valid one (overlong forms, surrogates and values past U+10FFFF
// included).
std::size_t sequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (byte(i + k) & 0x3Fu);
  }
  if ((length == 3 && value < 0x800) || (length == 4 && value < 0x10000) || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF))
    return 0;
  return length;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Folds one character at text[i] (ASCII, or a two-byte Latin-1 letter) to
// lower case as a code point; other characters compare by their bytes.
std::uint32_t foldAt(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead == 0xC3 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0u) == 0x80u) {
    const auto next = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    std::uint32_t point = 0xC0u + (next & 0x3Fu);
    // À-Þ without × fold to à-þ.
    if (point >= 0xC0 && point <= 0xDE && point != 0xD7) point += 0x20;
    return point;
  }
  ++i;
  if (lead >= 'A' && lead <= 'Z') return lead + 32u;
  return lead < 0x80 ? lead : 0x100u + lead;  // other bytes stay apart from code points
}

}  // namespace

std::string latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string toWindowText(std::string_view scriptText) {
  if (isValidUtf8(scriptText)) return std::string(scriptText);
  return latin1ToUtf8(scriptText);
}

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size())
    if (foldAt(a, i) != foldAt(b, j)) return false;
  return i == a.size() && j == b.size();
}

ClassParts splitClass(std::string_view property) {
  ClassParts parts;
  const std::size_t end = property.find('\0');
  parts.instance = std::string(property.substr(0, end));
  if (end == std::string_view::npos) return parts;
  std::string_view rest = property.substr(end + 1);
  parts.className = std::string(rest.substr(0, rest.find('\0')));
  return parts;
}

}  // namespace quillan::x11
