#include "platform/locale/PosixLocale.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

#include "platform/locale/LocalePatterns.h"

namespace quillan::locale {
namespace {

// The C locale's own formats are the American "%m/%d/%y"; a script run in
// it gets the ISO-like fallback instead, which reads the same everywhere.
bool isPlainC(std::string_view name) {
  return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

std::string text(nl_item item, locale_t loc) {
  const char* value = nl_langinfo_l(item, loc);
  return value != nullptr ? std::string(value) : std::string();
}

void readNames(os::LocaleSettings& s, locale_t loc) {
  static constexpr nl_item kDays[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
  static constexpr nl_item kShortDays[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
  static constexpr nl_item kMonths[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                        MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  static constexpr nl_item kShortMonths[] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                             ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  // A missing name keeps the English one rather than leaving a hole.
  auto take = [loc](std::string& slot, nl_item item) {
    std::string value = text(item, loc);
    if (!value.empty()) slot = std::move(value);
  };
  for (std::size_t i = 0; i < 7; ++i) {
    take(s.longDayNames[i], kDays[i]);
    take(s.shortDayNames[i], kShortDays[i]);
  }
  for (std::size_t i = 0; i < 12; ++i) {
    take(s.longMonthNames[i], kMonths[i]);
    take(s.shortMonthNames[i], kShortMonths[i]);
  }
  // Many 24-hour locales have no markers; a 12-hour time asked for by a
  // script would then be ambiguous, so the English ones stay.
  take(s.amText, AM_STR);
  take(s.pmText, PM_STR);
}

}  // namespace

PosixLocale::PosixLocale(const std::string& name) {
  bool timeFound = false;
  bool numericFound = false;
  if (locale_t loc = newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr))) {
    timeFound = true;
    if (!isPlainC(text(_NL_LOCALE_NAME(LC_TIME), loc))) {
      readNames(settings_, loc);
      applyStrftimeFormats(settings_, text(D_FMT, loc), text(T_FMT, loc), text(T_FMT_AMPM, loc));
    }
    freelocale(loc);
  }
  if (locale_t loc = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(nullptr))) {
    numericFound = true;
    std::string radix = text(RADIXCHAR, loc);
    if (!radix.empty()) settings_.decimalSeparator = std::move(radix);
    freelocale(loc);
  }
  loaded_ = timeFound && numericFound;
}

}  // namespace quillan::locale
