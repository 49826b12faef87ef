// A desktop for tests: records every box and answers from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/api/UserInterface.h"

namespace quillan::fake {

struct ShownBox {
  std::string caption;
  std::string text;
  os::BoxIcon icon;
  os::BoxButtons buttons;
  os::BoxAnswer answer;
};

class FakeUserInterface : public os::UserInterface {
 public:
  std::vector<ShownBox> boxes;
  std::deque<os::BoxAnswer> answers;  // taken in order; empty: the default button
  int messageRounds = 0;
  std::string title = "Quillan";
  std::string iconSource;

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  void processMessages() override { ++messageRounds; }
  void processMessagesIfDue() override {}
  std::string applicationTitle() const override { return title; }
  void setApplicationTitle(std::string_view t) override { title = t; }
  void setApplicationIconFrom(std::string_view path) override { iconSource = path; }
};

}  // namespace quillan::fake
