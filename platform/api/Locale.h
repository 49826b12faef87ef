// The user's regional settings that the date, time and real-number
// functions need. They are read once when the runtime starts (a script run
// never sees them change) and handed over as plain values, so formatting a
// date or a number costs no lookups in the operating system.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillan::os {

// Date and time patterns are written in the runtime's own format letters
// (d, dd, mm, yyyy, hh, nn, ss, ampm, ...). In a date pattern "/" stands for
// dateSeparator and in a time pattern ":" for timeSeparator; literal text is
// quoted. The defaults are the fallback for a C or POSIX locale: ISO-like
// dates, a 24-hour clock, English names and a "." decimal point.
struct LocaleSettings {
  std::string shortDateFormat = "yyyy/mm/dd";
  std::string longDateFormat = "dddd, yyyy mmmm d";
  std::string shortTimeFormat = "hh:nn";
  std::string longTimeFormat = "hh:nn:ss";
  std::string dateSeparator = "-";
  std::string timeSeparator = ":";
  std::string decimalSeparator = ".";
  std::string amText = "AM";
  std::string pmText = "PM";
  // January first.
  std::array<std::string, 12> longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
  std::array<std::string, 12> shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // Sunday first, as the clock counts weekdays.
  std::array<std::string, 7> longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
  std::array<std::string, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

class Locale {
 public:
  virtual ~Locale() = default;
  virtual const LocaleSettings& settings() const = 0;

  // The key a sorted string list orders text by: keys compare byte by byte
  // in the user's collation order, ignoring case, and texts that the order
  // holds equal have equal keys. By default the order of the bytes with
  // ASCII letters folded.
  virtual std::string sortKey(std::string_view text) const { return asciiSortKey(text); }

  static std::string asciiSortKey(std::string_view text) {
    std::string key(text);
    for (char& c : key)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
  }
};

}  // namespace quillan::os
