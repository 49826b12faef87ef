#include "editor/TextEncoding.h"

#include <array>

namespace quillan::editor {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
// The undefined bytes map to the control character of their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

std::optional<char> windows1252Byte(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == ch) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// The length of the UTF-8 sequence at `p`, or 0 when it is not one:
// overlong forms, surrogates and code points beyond U+10FFFF are refused.
std::size_t utf8SequenceLength(std::string_view s, std::size_t p) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(p);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;  // bounds of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (p + length > s.size()) return 0;
  if (byte(p + 1) < low || byte(p + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(p + i) < 0x80 || byte(p + i) > 0xBF) return 0;
  }
  return length;
}

void appendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

}  // namespace

TextEncoding detectEncoding(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t p = 0; p < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, p);
    if (length == 0) return TextEncoding::Windows1252;
    beyondAscii |= length > 1;
    p += length;
  }
  return beyondAscii ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

const char* encodingName(TextEncoding encoding) { return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252"; }

QString decodeText(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text += (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
  }
  return text;
}

std::optional<std::string> encodeText(const QString& text, TextEncoding encoding, char32_t* unstorable) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t ch = text[i].unicode();
    // A surrogate counts only as half of a pair; alone it is no character.
    bool whole = !QChar::isSurrogate(ch);
    if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ch = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
      whole = true;
    }
    std::optional<char> single;
    if (whole && encoding == TextEncoding::Windows1252) single = windows1252Byte(ch);
    if (!whole || (encoding == TextEncoding::Windows1252 && !single)) {
      if (unstorable) *unstorable = ch;
      return std::nullopt;
    }
    if (single) {
      out += *single;
    } else {
      appendUtf8(out, ch);
    }
  }
  return out;
}

}  // namespace quillan::editor
