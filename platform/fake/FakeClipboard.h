// A clipboard held in a string, with a count of the times it was emptied.
#pragma once

#include <string>

#include "platform/api/Clipboard.h"

namespace quillan::fake {

class FakeClipboard : public os::Clipboard {
 public:
  std::string content;
  int clears = 0;

  std::string text() override { return content; }
  void setText(std::string_view text) override { content = text; }
  void clear() override {
    content.clear();
    ++clears;
  }
};

}  // namespace quillan::fake
