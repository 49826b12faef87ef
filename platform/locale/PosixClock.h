// The local wall clock of the machine, in the time zone of the process.
#pragma once

#include "platform/api/Clock.h"

namespace quillan::locale {

class PosixClock : public os::Clock {
 public:
  os::LocalDateTime now() override;
};

}  // namespace quillan::locale
