// Turning the C library's strftime formats (D_FMT, T_FMT) into the format
// letters the date and time functions use. Kept apart from PosixLocale and
// free of OS calls so the conversion can be tested with any format text,
// whatever locales the machine has installed.
#pragma once

#include <string>
#include <string_view>

#include "platform/api/Locale.h"

namespace quillan::locale {

struct ConvertedPattern {
  std::string pattern;    // format letters; the separator is written as placeholder
  std::string separator;  // the first literal text between two fields, or empty
};

// Converts one strftime format. The first literal between two fields is
// taken as the separator and every equal literal is written as placeholder
// ('/' for dates, ':' for times); other literal text is quoted. %r expands
// to ampmFormat (T_FMT_AMPM), %D, %F, %T and %R to their usual meaning.
ConvertedPattern convertStrftime(std::string_view format, char placeholder, std::string_view ampmFormat = "");

// The long date derived from a short date pattern: the weekday's name in
// front, the month by name, the day without padding and a four-digit year,
// in the short pattern's order. The C library keeps no long date format.
std::string longDateFrom(std::string_view shortDate);

// The long time without its seconds (and the separator in front of them).
std::string shortTimeFrom(std::string_view longTime);

// Fills the date and time patterns and separators of settings from the
// locale's formats. An empty or unusable format leaves the fallback.
void applyStrftimeFormats(os::LocaleSettings& settings, std::string_view dateFormat, std::string_view timeFormat,
                          std::string_view ampmFormat);

}  // namespace quillan::locale
