// Dates and times as script text: the packed file date, the short date a
// user types, and formatting with the date-time format letters. Pure text
// and calendar work; the regional settings come in as values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/api/Clock.h"
#include "platform/api/Locale.h"

namespace quillan::functions {

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// 0 is Sunday; proleptic Gregorian calendar.
int weekdayOf(int year, int month, int day);

// The file system's 32-bit date and time: bits 25-31 year - 1980, 21-24
// month, 16-20 day, 11-15 hour, 5-10 minute, 0-4 seconds / 2. Moments
// outside 1980-2099 pack to 0.
std::uint32_t packFileDate(const os::LocalDateTime& moment);
// False when a field is out of range (month 13, 30 February, hour 24, ...).
bool unpackFileDate(std::uint32_t packed, os::LocalDateTime& moment);

// A date in the short date format of the settings, without a time part.
// Two-digit years fall in 1950-2049. False when the text does not match
// the pattern or names no real day.
bool parseShortDate(std::string_view text, const os::LocaleSettings& settings, os::LocalDateTime& moment);

// A time of day: hours, then minutes and seconds if given, separated by
// the time separator of the settings, and on a 12-hour clock the AM or PM
// text (the settings' or the English one, any case). Sets only the time
// fields of moment. False for anything else or a time past 23:59:59.
bool parseTimeOfDay(std::string_view text, const os::LocaleSettings& settings, os::LocalDateTime& moment);

// Formats moment with the format letters: d dd ddd dddd ddddd dddddd, m mm
// mmm mmmm (m or mm behind h or hh: minutes), yy yyyy, h hh, n nn, s ss,
// t tt, am/pm a/p ampm (any of them switches h to the 12-hour clock), c,
// "/" and ":" for the separators, quoted text as it stands. Letters may be
// of either case; every other character is copied.
void formatDateTime(std::string& out, std::string_view format, const os::LocalDateTime& moment,
                    const os::LocaleSettings& settings);

}  // namespace quillan::functions
