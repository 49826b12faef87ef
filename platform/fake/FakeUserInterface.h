// A desktop for tests: records every box and answers from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/api/UserInterface.h"

namespace quillan::fake {

struct ShownInput {
  std::string caption;
  std::string prompt;
  std::string defaultText;
};

// What an input box is answered with: the text confirmed, or nothing for
// Cancel.
struct InputAnswer {
  bool confirmed = true;
  std::string text;
};

struct PlayedSound {
  std::string path;
  bool wait;
};

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
  std::vector<ShownInput> inputs;
  std::deque<InputAnswer> inputAnswers;  // taken in order; empty: OK with the default
  std::vector<PlayedSound> sounds;
  int beeps = 0;
  int messageRounds = 0;
  std::string title = "Quillan";
  std::string iconSource;

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override;
  void beep() override { ++beeps; }
  void playSound(std::string_view path, bool wait) override { sounds.push_back({std::string(path), wait}); }
  void processMessages() override { ++messageRounds; }
  void processMessagesIfDue() override {}
  std::string applicationTitle() const override { return title; }
  void setApplicationTitle(std::string_view t) override { title = t; }
  void setApplicationIconFrom(std::string_view path) override { iconSource = path; }
};

}  // namespace quillan::fake
