#include "platform/fake/FakeUserInterface.h"

namespace quillan::fake {

os::BoxAnswer FakeUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                            os::BoxButtons buttons) {
  os::BoxAnswer answer = buttons == os::BoxButtons::YesNo || buttons == os::BoxButtons::YesNoCancel
                             ? os::BoxAnswer::Yes
                             : os::BoxAnswer::Ok;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  boxes.push_back({std::string(caption), std::string(text), icon, buttons, answer});
  return answer;
}

}  // namespace quillan::fake
