#include "runtime/functions/DateTimeText.h"

#include <algorithm>

#include "runtime/core/Keywords.h"

namespace quillan::functions {
namespace {

using core::upperAscii;

void appendNumber(std::string& out, int value, int width) {
  const std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out += digits;
}

std::size_t runLength(std::string_view text, std::size_t at) {
  const char u = upperAscii(text[at]);
  std::size_t n = 1;
  while (at + n < text.size() && upperAscii(text[at + n]) == u) ++n;
  return n;
}

bool startsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (upperAscii(text[at + i]) != upperAscii(prefix[i])) return false;
  return true;
}

bool equalAscii(std::string_view a, std::string_view b) {
  return !b.empty() && a.size() == b.size() && startsWithIgnoringCase(a, 0, b);
}

// The am/pm specifier at position at, as its length (0: none).
std::size_t amPmLength(std::string_view format, std::size_t at) {
  if (startsWithIgnoringCase(format, at, "AM/PM")) return 5;
  if (startsWithIgnoringCase(format, at, "AMPM")) return 4;
  if (startsWithIgnoringCase(format, at, "A/P")) return 3;
  return 0;
}

bool hasAmPm(std::string_view format) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = format.find(c, i + 1);
      if (close == std::string_view::npos) return false;
      i = close;
    } else if (amPmLength(format, i) != 0) {
      return true;
    }
  }
  return false;
}

// Nested patterns (the locale's dates and times inside ddddd, t, c) are
// the locale's own; the limit only guards against one that names itself.
constexpr int kMaxNesting = 3;

struct Formatter {
  const os::LocalDateTime& m;
  const os::LocaleSettings& loc;
  std::string& out;

  void run(std::string_view format, int depth) {
    if (depth > kMaxNesting) return;
    const bool twelveHour = hasAmPm(format);
    char lastLetter = 0;  // the last specifier's letter, for m after h
    std::size_t i = 0;
    while (i < format.size()) {
      const char c = format[i];
      if (c == '"' || c == '\'') {
        const std::size_t close = std::min(format.find(c, i + 1), format.size());
        out.append(format.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
      const char u = upperAscii(c);
      const std::size_t run = runLength(format, i);
      std::size_t used = 1;
      switch (u) {
        case 'D':
          used = std::min<std::size_t>(run, 6);
          day(used, depth);
          break;
        case 'M':
          used = std::min<std::size_t>(run, 4);
          if (used <= 2 && lastLetter == 'H') {
            appendNumber(out, m.minute, static_cast<int>(used));
          } else if (used <= 2) {
            appendNumber(out, m.month, static_cast<int>(used));
          } else {
            out += monthName(used == 3);
          }
          break;
        case 'Y':
          used = std::min<std::size_t>(run, 4);
          if (used <= 2) {
            appendNumber(out, m.year % 100, 2);
          } else {
            appendNumber(out, m.year, 4);
          }
          break;
        case 'H': {
          used = std::min<std::size_t>(run, 2);
          int hour = m.hour;
          if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
          appendNumber(out, hour, static_cast<int>(used));
          break;
        }
        case 'N':
          used = std::min<std::size_t>(run, 2);
          appendNumber(out, m.minute, static_cast<int>(used));
          break;
        case 'S':
          used = std::min<std::size_t>(run, 2);
          appendNumber(out, m.second, static_cast<int>(used));
          break;
        case 'T':
          used = std::min<std::size_t>(run, 2);
          runNested(used == 1 ? loc.shortTimeFormat : loc.longTimeFormat, depth);
          break;
        case 'C':
          runNested(loc.shortDateFormat, depth);
          out += ' ';
          runNested(loc.longTimeFormat, depth);
          break;
        case 'A':
          used = amPmLength(format, i);
          if (used == 0) {
            out += c;
            i += 1;
            continue;
          }
          amPm(format.substr(i, used));
          break;
        case '/':
          out += loc.dateSeparator;
          i += 1;
          continue;
        case ':':
          out += loc.timeSeparator;
          i += 1;
          continue;
        default:
          // Separators and copied characters are no specifiers, so the mm
          // of "hh:mm" still follows the hour and means minutes.
          out += c;
          i += 1;
          continue;
      }
      lastLetter = u;
      i += used;
    }
  }

  void runNested(const std::string& format, int depth) { run(format, depth + 1); }

  void day(std::size_t count, int depth) {
    switch (count) {
      case 1:
        appendNumber(out, m.day, 1);
        break;
      case 2:
        appendNumber(out, m.day, 2);
        break;
      case 3:
        out += loc.shortDayNames[static_cast<std::size_t>(((m.weekday % 7) + 7) % 7)];
        break;
      case 4:
        out += loc.longDayNames[static_cast<std::size_t>(((m.weekday % 7) + 7) % 7)];
        break;
      case 5:
        runNested(loc.shortDateFormat, depth);
        break;
      default:
        runNested(loc.longDateFormat, depth);
        break;
    }
  }

  const std::string& monthName(bool abbreviated) const {
    const auto index = static_cast<std::size_t>(std::clamp(m.month, 1, 12) - 1);
    return abbreviated ? loc.shortMonthNames[index] : loc.longMonthNames[index];
  }

  // "am/pm" and "a/p" answer in the letters of the format; "ampm" in the
  // locale's words.
  void amPm(std::string_view spec) {
    const bool morning = m.hour < 12;
    if (spec.size() == 4) {
      out += morning ? loc.amText : loc.pmText;
    } else if (spec.size() == 5) {
      out.append(spec.substr(morning ? 0 : 3, 2));
    } else {
      out += spec[morning ? 0 : 2];
    }
  }
};

// Reads up to maxDigits decimal digits (after optional blanks).
bool readNumber(std::string_view text, std::size_t& j, std::size_t maxDigits, int& value, std::size_t& digits) {
  while (j < text.size() && text[j] == ' ') ++j;
  value = 0;
  digits = 0;
  while (j < text.size() && digits < maxDigits && text[j] >= '0' && text[j] <= '9') {
    value = value * 10 + (text[j] - '0');
    ++j;
    ++digits;
  }
  return digits > 0;
}

// A word: letters of any script (bytes outside ASCII count as letters).
std::string_view readWord(std::string_view text, std::size_t& j) {
  while (j < text.size() && text[j] == ' ') ++j;
  const std::size_t start = j;
  while (j < text.size()) {
    const auto b = static_cast<unsigned char>(text[j]);
    const char u = upperAscii(text[j]);
    if (!(b >= 0x80 || (u >= 'A' && u <= 'Z'))) break;
    ++j;
  }
  return text.substr(start, j - start);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithIgnoringCase(a, 0, b);
}

int monthFromName(std::string_view word, const os::LocaleSettings& loc) {
  for (std::size_t i = 0; i < 12; ++i) {
    if (equalIgnoringCase(word, loc.longMonthNames[i]) || equalIgnoringCase(word, loc.shortMonthNames[i]))
      return static_cast<int>(i) + 1;
  }
  return 0;
}

bool matchLiteral(std::string_view text, std::size_t& j, std::string_view literal) {
  if (text.substr(j, literal.size()) != literal) return false;
  j += literal.size();
  return true;
}

// Days since 1 January 1970 (proleptic Gregorian), for the weekday.
long daysFromCivil(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<long>(era) * 146097 + dayOfEra - 719468;
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int weekdayOf(int year, int month, int day) {
  const long days = daysFromCivil(year, month, day);
  // 1 January 1970 was a Thursday (4).
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

std::uint32_t packFileDate(const os::LocalDateTime& m) {
  if (m.year < 1980 || m.year > 2099) return 0;
  return static_cast<std::uint32_t>(m.year - 1980) << 25 | static_cast<std::uint32_t>(m.month) << 21 |
         static_cast<std::uint32_t>(m.day) << 16 | static_cast<std::uint32_t>(m.hour) << 11 |
         static_cast<std::uint32_t>(m.minute) << 5 | static_cast<std::uint32_t>(m.second / 2);
}

bool unpackFileDate(std::uint32_t packed, os::LocalDateTime& m) {
  os::LocalDateTime u;
  u.year = 1980 + static_cast<int>(packed >> 25);
  u.month = static_cast<int>((packed >> 21) & 0xF);
  u.day = static_cast<int>((packed >> 16) & 0x1F);
  u.hour = static_cast<int>((packed >> 11) & 0x1F);
  u.minute = static_cast<int>((packed >> 5) & 0x3F);
  u.second = static_cast<int>(packed & 0x1F) * 2;
  if (u.month < 1 || u.month > 12 || u.day < 1 || u.day > daysInMonth(u.year, u.month) || u.hour > 23 ||
      u.minute > 59 || u.second > 59)
    return false;
  u.weekday = weekdayOf(u.year, u.month, u.day);
  m = u;
  return true;
}

bool parseShortDate(std::string_view text, const os::LocaleSettings& loc, os::LocalDateTime& moment) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const std::string_view pattern = loc.shortDateFormat;
  int day = 0, month = 0, year = -1;
  std::size_t j = 0;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    const char u = upperAscii(c);
    if (c == '"' || c == '\'') {
      const std::size_t close = std::min(pattern.find(c, i + 1), pattern.size());
      if (!matchLiteral(text, j, pattern.substr(i + 1, close - i - 1))) return false;
      i = close + 1;
      continue;
    }
    const std::size_t run = (u == 'D' || u == 'M' || u == 'Y') ? runLength(pattern, i) : 1;
    std::size_t digits = 0;
    if (u == 'D' && run >= 3) {
      if (readWord(text, j).empty()) return false;  // a weekday's name says nothing new
    } else if (u == 'D') {
      if (!readNumber(text, j, 2, day, digits)) return false;
    } else if (u == 'M' && run >= 3) {
      month = monthFromName(readWord(text, j), loc);
      if (month == 0) return false;
    } else if (u == 'M') {
      if (!readNumber(text, j, 2, month, digits)) return false;
    } else if (u == 'Y') {
      if (!readNumber(text, j, 4, year, digits)) return false;
      if (digits <= 2) year += year < 50 ? 2000 : 1900;
    } else if (c == '/') {
      if (!matchLiteral(text, j, loc.dateSeparator)) return false;
    } else if (c == ' ') {
      while (j < text.size() && text[j] == ' ') ++j;
    } else if (!matchLiteral(text, j, pattern.substr(i, 1))) {
      return false;
    }
    i += run;
  }
  if (j != text.size() || year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > daysInMonth(year, month))
    return false;
  moment = os::LocalDateTime{};
  moment.year = year;
  moment.month = month;
  moment.day = day;
  moment.weekday = weekdayOf(year, month, day);
  return true;
}

bool parseTimeOfDay(std::string_view text, const os::LocaleSettings& loc, os::LocalDateTime& moment) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t j = 0;
  int parts[3] = {0, 0, 0};
  std::size_t digits = 0;
  int count = 0;
  while (count < 3 && readNumber(text, j, 2, parts[count], digits)) {
    ++count;
    if (!matchLiteral(text, j, loc.timeSeparator)) break;
  }
  if (count == 0) return false;
  while (j < text.size() && text[j] == ' ') ++j;
  const std::string_view rest = text.substr(j);
  int hour = parts[0];
  if (!rest.empty()) {
    // A 12-hour clock: the day half by the regional texts or by AM and PM.
    const bool pm = equalAscii(rest, loc.pmText) || equalAscii(rest, "PM");
    if (!pm && !equalAscii(rest, loc.amText) && !equalAscii(rest, "AM")) return false;
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (pm ? 12 : 0);
  }
  if (hour > 23 || parts[1] > 59 || parts[2] > 59) return false;
  moment.hour = hour;
  moment.minute = parts[1];
  moment.second = parts[2];
  moment.millisecond = 0;
  return true;
}

void formatDateTime(std::string& out, std::string_view format, const os::LocalDateTime& moment,
                    const os::LocaleSettings& settings) {
  out.clear();
  Formatter{moment, settings, out}.run(format, 0);
}

}  // namespace quillan::functions
