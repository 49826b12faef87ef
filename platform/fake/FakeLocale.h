// Regional settings chosen by a test. Starts as the C fallback; a test
// changes the fields it cares about, or takes one of the two presets.
#pragma once

#include "platform/api/Locale.h"

namespace quillan::fake {

class FakeLocale : public os::Locale {
 public:
  os::LocaleSettings values;

  const os::LocaleSettings& settings() const override { return values; }

  // Day-first dates with ".", a decimal comma and German names.
  static FakeLocale german() {
    FakeLocale l;
    auto& v = l.values;
    v.shortDateFormat = "dd/mm/yyyy";
    v.longDateFormat = "dddd, d mmmm yyyy";
    v.dateSeparator = ".";
    v.decimalSeparator = ",";
    v.longMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    v.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    v.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    v.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    return l;
  }

  // Month-first dates with "/" and a 12-hour clock.
  static FakeLocale american() {
    FakeLocale l;
    auto& v = l.values;
    v.shortDateFormat = "mm/dd/yyyy";
    v.longDateFormat = "dddd, mmmm d yyyy";
    v.dateSeparator = "/";
    v.longTimeFormat = "hh:nn:ss ampm";
    v.shortTimeFormat = "hh:nn ampm";
    return l;
  }
};

}  // namespace quillan::fake
