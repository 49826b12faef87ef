// A session manager for tests: records the requests, ends nothing.
#pragma once

#include <vector>

#include "platform/api/Session.h"

namespace quillan::fake {

class FakeSessionManager : public os::SessionManager {
 public:
  std::vector<os::SessionEnd> requests;
  bool endSession(os::SessionEnd how) override {
    requests.push_back(how);
    return true;
  }
};

}  // namespace quillan::fake
