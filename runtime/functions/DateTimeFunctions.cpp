// DATETIME: the current moment, a typed short date or a packed file date,
// written as a packed file date or with the date-time format letters.
#include <charconv>

#include "runtime/functions/DateTimeText.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

// A packed file date as the integer rule reads it. Dates from 2044 on have
// the top bit set and are written as negative numbers; their unsigned
// spelling is taken as well, in case a script or file holds that form.
bool parsePackedDate(std::string_view text, std::uint32_t& packed) {
  std::int32_t value = 0;
  if (parseInteger(text, value)) {
    packed = static_cast<std::uint32_t>(value);
    return true;
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const auto [stop, ec] = std::from_chars(text.data(), text.data() + text.size(), packed);
  return ec == std::errc() && stop == text.data() + text.size() && !text.empty();
}

void datetime(Runtime& rt, std::string& result) {
  const std::string format = core::nextArgument(rt);
  const std::string value = core::nextArgument(rt);
  const os::LocaleSettings& locale = localeSettings(rt);
  os::LocalDateTime moment;
  if (value.empty()) {
    // Without a clock there is no "now" to give; the script can tell from
    // the success flag. Every real platform has one.
    if (rt.os.clock == nullptr) {
      rt.success = false;
      return;
    }
    moment = rt.os.clock->now();
  } else {
    std::uint32_t packed = 0;
    // A number is a packed date even where the date separator is "-",
    // which a negative packed date (2044 and later) also contains.
    if (parsePackedDate(value, packed)) {
      if (!unpackFileDate(packed, moment)) rt.fail(core::kBadValue);
    } else if (!locale.dateSeparator.empty() && value.find(locale.dateSeparator) != std::string::npos) {
      if (!parseShortDate(value, locale, moment)) rt.fail(core::kBadValue);
    } else {
      rt.fail(core::kBadValue);
    }
  }
  if (rt.error != 0) return;
  if (format.empty()) {
    writeInteger(result, static_cast<std::int32_t>(packFileDate(moment)));
  } else {
    formatDateTime(result, format, moment, locale);
  }
}

constexpr FunctionRow kRows[] = {{Function::DateTime, &datetime}};

}  // namespace

const std::span<const FunctionRow> kDateTimeFunctions = kRows;

}  // namespace quillan::functions
