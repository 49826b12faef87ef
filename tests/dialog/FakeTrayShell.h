// Plays the desktop's notification area for TTaskIcon: records every
// request and can refuse them.
#pragma once

#include <string>
#include <vector>

#include "runtime/dialog/TaskIcon.h"

namespace quillan::testing {

class FakeTrayShell final : public dialog::TrayShell {
 public:
  struct Request {
    dialog::ShellRequest request;
    dialog::NotifyIconData data;
  };
  std::vector<Request> requests;
  bool refuse = false;

  bool notifyIcon(dialog::ShellRequest request, const dialog::NotifyIconData& data) override {
    requests.push_back({request, data});
    return !refuse;
  }
  int count(dialog::ShellRequest request) const {
    int n = 0;
    for (const auto& r : requests) n += r.request == request ? 1 : 0;
    return n;
  }
};

}  // namespace quillan::testing
