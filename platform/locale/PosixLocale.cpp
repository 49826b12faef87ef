#include "platform/locale/PosixLocale.h"

#include <langinfo.h>
#include <locale.h>
#include <wchar.h>
#include <wctype.h>

#include <cstdint>
#include <string_view>
#include <vector>

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

// The characters of valid UTF-8 text; false when it is not.
bool decodeUtf8(std::string_view text, std::wstring& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = lead;
    if (lead < 0x80) {
      extra = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size() && extra > 0) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last character.
    if ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
      return false;
    out.push_back(static_cast<wchar_t>(c));
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

void appendWeight(std::string& out, std::uint32_t w) {
  if (w < 0x80) {
    out.push_back(static_cast<char>(w));
    return;
  }
  // The number of bytes, and the marker bits of the first one.
  int extra = 1;
  std::uint32_t lead = 0xC0;
  for (std::uint32_t limit = 0x800; w >= limit && extra < 5; limit <<= 5) {
    ++extra;
    lead = (lead >> 1) | 0x80;
  }
  out.push_back(static_cast<char>(lead | (w >> (6 * extra))));
  for (int k = extra - 1; k >= 0; --k) out.push_back(static_cast<char>(0x80 | ((w >> (6 * k)) & 0x3F)));
}

}  // namespace

PosixLocale::~PosixLocale() {
  if (collation_ != static_cast<locale_t>(nullptr)) freelocale(collation_);
}

std::string PosixLocale::sortKey(std::string_view text) const {
  if (collation_ == static_cast<locale_t>(nullptr)) return asciiSortKey(text);
  std::wstring wide;
  if (!decodeUtf8(text, wide)) {
    wide.clear();
    for (const char c : text) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  }
  for (wchar_t& c : wide) c = static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), collation_));
  // A NUL inside the text would end it for the C library: it sorts as the
  // text before it, which is where the bytes after it would sort anyway.
  std::vector<wchar_t> key(wide.size() * 4 + 16);
  std::size_t length = wcsxfrm_l(key.data(), wide.c_str(), key.size(), collation_);
  if (length >= key.size()) {
    key.resize(length + 1);
    length = wcsxfrm_l(key.data(), wide.c_str(), key.size(), collation_);
  }
  // Each weight in the UTF-8 scheme (up to six bytes for 31 bits): short
  // for the small weights most text has, and bytes that compare as the
  // weights do.
  std::string bytes;
  bytes.reserve(length * 2);
  for (std::size_t i = 0; i < length; ++i) appendWeight(bytes, static_cast<std::uint32_t>(key[i]) & 0x7FFFFFFFu);
  return bytes;
}

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
  collation_ = newlocale(LC_COLLATE_MASK | LC_CTYPE_MASK, name.c_str(), static_cast<locale_t>(nullptr));
}

}  // namespace quillan::locale
