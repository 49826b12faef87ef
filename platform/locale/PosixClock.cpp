#include "platform/locale/PosixClock.h"

#include <time.h>

namespace quillan::locale {

os::LocalDateTime PosixClock::now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  const time_t seconds = ts.tv_sec;
  tm local{};
  os::LocalDateTime result;
  if (localtime_r(&seconds, &local) == nullptr) return result;
  result.year = local.tm_year + 1900;
  result.month = local.tm_mon + 1;
  result.day = local.tm_mday;
  result.hour = local.tm_hour;
  result.minute = local.tm_min;
  // A leap second reads as the last ordinary one: no date format can show 60.
  result.second = local.tm_sec > 59 ? 59 : local.tm_sec;
  result.millisecond = static_cast<int>(ts.tv_nsec / 1000000);
  result.weekday = local.tm_wday;
  return result;
}

}  // namespace quillan::locale
