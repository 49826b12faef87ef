#include "platform/fake/FakeUserInterface.h"

namespace quillan::fake {

os::BoxAnswer FakeUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                            os::BoxButtons buttons) {
  os::BoxAnswer answer = buttons == os::BoxButtons::YesNo || buttons == os::BoxButtons::YesNoCancel ? os::BoxAnswer::Yes
                                                                                                    : os::BoxAnswer::Ok;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  boxes.push_back({std::string(caption), std::string(text), icon, buttons, answer});
  return answer;
}

bool FakeUserInterface::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                                 std::string& answer) {
  inputs.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
  InputAnswer given{true, std::string(defaultText)};
  if (!inputAnswers.empty()) {
    given = inputAnswers.front();
    inputAnswers.pop_front();
  }
  if (given.confirmed) answer = given.text;
  return given.confirmed;
}

}  // namespace quillan::fake
