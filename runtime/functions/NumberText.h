// Numbers as script text: the integer and real syntax the functions accept
// and the way results are written. Pure text work, no runtime state, no
// locale lookups: the caller passes the decimal separator it wants.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::functions {

// The mark that the integer rule gives for a text that is not a number.
inline constexpr std::int32_t kInvalidInteger = -32767;

// Optional leading blanks, an optional sign, then decimal digits or "$" and
// up to eight hexadecimal digits; nothing may follow, not even a blank. An
// empty text is no number. Decimal values must fit the signed 32-bit range;
// hexadecimal ones are 32-bit patterns, so $FFFFFFFF is -1.
bool parseInteger(std::string_view text, std::int32_t& value);

// The integer rule: an empty text is 0, a text that does not parse is
// kInvalidInteger. valid tells the two apart, since -32767 is also a number
// a script may write.
std::int32_t integerRule(std::string_view text, bool& valid);
inline std::int32_t integerRule(std::string_view text) {
  bool valid;
  return integerRule(text, valid);
}

// The integer rule for a value that is stored or becomes a setting: true
// with the value for a number (an empty text is 0), false for a text that
// is none and for the invalid mark itself, which cannot be told from one.
inline bool storableInteger(std::string_view text, std::int32_t& value) {
  bool valid = false;
  value = integerRule(text, valid);
  return valid && value != kInvalidInteger;
}

// Plain decimal, "-" for negatives, no padding.
void writeInteger(std::string& out, std::int32_t value);

// Optional leading blanks, an optional sign, digits with an optional "."
// fraction and an optional exponent ("E" or "e", optional sign); at least
// one digit in the mantissa, nothing after. The point is "." whatever the
// locale. Values beyond the range of a double are no number; values too
// small for it are zero.
bool parseReal(std::string_view text, double& value);

// General format: at most 15 significant digits with trailing zeros and an
// unneeded point dropped; fixed notation for magnitudes from 0.00001 up to
// 15 digits before the point, otherwise mantissa, "E" and exponent
// ("1E20", "2.5E-7"). The value must be finite.
void writeGeneral(std::string& out, long double value, std::string_view decimalSeparator);

// The most decimals fixed notation is written with. The exact value of
// every double ends within 1,074 decimals (the smallest one, 2^-1074, needs
// them all), so more would only add zeros.
inline constexpr int kMaxFixedDecimals = 1074;

// Fixed notation with the given number of decimals (0 to kMaxFixedDecimals):
// the digits of the double's exact value, rounded to that place as the C
// library prints them. The value must be finite; more decimals than the
// limit give the empty text.
void writeFixed(std::string& out, double value, int decimals, std::string_view decimalSeparator);

}  // namespace quillan::functions
