// A clock that shows whatever moment the test set.
#pragma once

#include "platform/api/Clock.h"

namespace quillan::fake {

class FakeClock : public os::Clock {
 public:
  os::LocalDateTime moment;
  int reads = 0;

  os::LocalDateTime now() override {
    ++reads;
    return moment;
  }
};

}  // namespace quillan::fake
