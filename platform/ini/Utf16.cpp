#include "platform/ini/Utf16.h"

#include <cstdint>

namespace quillan::ini::utf16 {

namespace {

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void appendUnit(std::string& out, std::uint32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}

bool isHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length and code point of the sequence at s[i], or 0 when it is not
// well-formed. Surrogate code points are accepted: they are how an unpaired
// surrogate from the file comes back. A high surrogate followed by a low
// one is refused, because a real pair always decodes to one 4-byte form.
std::size_t decodeSequence(std::string_view s, std::size_t i, std::uint32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t len;
  std::uint32_t min;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if (!isContinuation(b)) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF) return 0;
  return len;
}

}  // namespace

std::string toUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k + 1])) << 8);
  };
  for (std::size_t k = 0; k < units; ++k) {
    const std::uint32_t u = unitAt(k);
    if (isHighSurrogate(u) && k + 1 < units && isLowSurrogate(unitAt(k + 1))) {
      appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00));
      ++k;
    } else {
      appendUtf8(out, u);
    }
  }
  return out;
}

std::string fromUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  std::size_t i = 0;
  while (i < s.size()) {
    std::uint32_t cp = 0;
    std::size_t len = decodeSequence(s, i, cp);
    if (len == 3 && isHighSurrogate(cp)) {
      std::uint32_t next = 0;
      if (i + 3 < s.size() && decodeSequence(s, i + 3, next) == 3 && isLowSurrogate(next)) {
        len = 0;  // would silently merge into one character on the next read
      }
    }
    if (len == 0) {
      appendUnit(out, static_cast<unsigned char>(s[i]));
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      appendUnit(out, 0xD800 + (cp >> 10));
      appendUnit(out, 0xDC00 + (cp & 0x3FF));
    } else {
      appendUnit(out, cp);
    }
    i += len;
  }
  return out;
}

std::size_t characterBoundary(std::string_view s, std::size_t maxBytes) {
  if (maxBytes >= s.size()) return s.size();
  // A continuation byte just past the cut means the cut splits a sequence:
  // step back to its lead byte and leave the whole sequence out.
  std::size_t end = maxBytes;
  while (end > 0 && maxBytes - end < 3 && isContinuation(static_cast<unsigned char>(s[end]))) {
    --end;
  }
  return end;
}

}  // namespace quillan::ini::utf16
