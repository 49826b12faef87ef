#include "runtime/functions/NumberText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace quillan::functions {
namespace {

// Replaces the "." that std::to_chars writes by the locale's separator.
void appendWithSeparator(std::string& out, const char* first, const char* last, std::string_view separator) {
  for (const char* p = first; p != last; ++p) {
    if (*p == '.') {
      out.append(separator);
    } else {
      out += *p;
    }
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool parseInteger(std::string_view text, std::int32_t& value) {
  // Up to nine plain digits, the loop counter's case, always fit: read
  // here without the general rule's checks.
  if (!text.empty() && text.size() <= 9) {
    std::uint32_t digits = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
      const auto digit = static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]) - '0');
      if (digit > 9) break;
      digits = digits * 10 + digit;
    }
    if (i == text.size()) {
      value = static_cast<std::int32_t>(digits);
      return true;
    }
  }
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  std::uint32_t magnitude = 0;
  if (p != end && *p == '$') {
    const auto [stop, ec] = std::from_chars(p + 1, end, magnitude, 16);
    if (ec != std::errc() || stop != end) return false;
  } else {
    const auto [stop, ec] = std::from_chars(p, end, magnitude, 10);
    if (ec != std::errc() || stop != end) return false;
    if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) return false;
  }
  // Unsigned arithmetic: negating the pattern wraps as the hex rule wants.
  value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
  return true;
}

std::int32_t integerRule(std::string_view text, bool& valid) {
  if (text.empty()) {
    valid = true;
    return 0;
  }
  std::int32_t value = 0;
  valid = parseInteger(text, value);
  return valid ? value : kInvalidInteger;
}

void writeInteger(std::string& out, std::int32_t value) {
  char buffer[12];
  const auto [stop, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  // Appending to the emptied text is the cheapest copy a std::string
  // offers; SUCC and friends run once per loop turn.
  out.clear();
  out.append(buffer, static_cast<std::size_t>(stop - buffer));
}

bool parseReal(std::string_view text, double& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Check the syntax here: std::from_chars would also take "inf", "nan"
  // and hexadecimal floats, which are no numbers of the language.
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i == exponentStart) return false;
  }
  if (i != text.size()) return false;

  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  double parsed = 0;
  const auto [stop, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: a long double tells which.
    long double wide = 0;
    const auto wideResult = std::from_chars(first, last, wide, std::chars_format::general);
    if (wideResult.ec == std::errc() && std::fabs(wide) < 1.0L) {
      parsed = static_cast<double>(wide);  // rounds to a denormal or zero
    } else {
      return false;
    }
  } else if (ec != std::errc() || stop != last) {
    return false;
  }
  value = negative ? -parsed : parsed;
  return true;
}

void writeGeneral(std::string& out, long double value, std::string_view decimalSeparator) {
  out.clear();
  if (value == 0) {
    out = "0";
    return;
  }
  // 15 significant digits in scientific form, "d.ddddddddddddddde±x"; the
  // exponent after rounding decides between fixed and scientific output.
  char buffer[64];
  const auto [stop, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  if (ec != std::errc()) return;
  const char* p = buffer;
  if (*p == '-') {
    out += '-';
    ++p;
  }
  const char* e = p;
  while (e != stop && *e != 'e') ++e;
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), stop, exponent);

  std::string digits;  // the significant digits without the point
  for (const char* q = p; q != e; ++q)
    if (isDigit(*q)) digits += *q;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += '0';
      out.append(decimalSeparator);
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
      } else {
        out.append(digits, 0, whole);
        out.append(decimalSeparator);
        out.append(digits, whole, std::string::npos);
      }
    }
    return;
  }
  out += digits[0];
  if (digits.size() > 1) {
    out.append(decimalSeparator);
    out.append(digits, 1, std::string::npos);
  }
  out += 'E';
  char exponentText[8];
  const auto [exponentEnd, ec2] = std::to_chars(exponentText, exponentText + sizeof exponentText, exponent);
  out.append(exponentText, exponentEnd);
}

void writeFixed(std::string& out, double value, int decimals, std::string_view decimalSeparator) {
  // A sign, the 309 digits of the largest double before the point, the
  // point and the decimals.
  char buffer[1 + 309 + 1 + kMaxFixedDecimals];
  out.clear();
  if (decimals < 0 || decimals > kMaxFixedDecimals) return;
  const auto [stop, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return;
  appendWithSeparator(out, buffer, stop, decimalSeparator);
}

}  // namespace quillan::functions
