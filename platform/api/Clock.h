// The local wall clock. The interpreter asks it for "now" and never reads
// the system time itself, so tests can stop the clock at any moment.
#pragma once

namespace quillan::os {

struct LocalDateTime {
  int year = 1980;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int weekday = 2;  // 0 is Sunday; 1 January 1980 was a Tuesday
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime now() = 0;
};

}  // namespace quillan::os
