// The desktop through Qt Widgets: message and input boxes, message
// processing, the application's title and icon, the bell and sounds.
// UnattendedUserInterface replaces the boxes for runs with nobody at the
// screen.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/api/SystemInfo.h"
#include "platform/api/UserInterface.h"

namespace quillan::dialog {

class SoundPlayer;

class QtUserInterface : public os::UserInterface {
 public:
  QtUserInterface();
  ~QtUserInterface() override;

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override;
  void beep() override;
  void playSound(std::string_view path, bool wait) override;
  void processMessages() override;
  void processMessagesIfDue() override;
  std::string applicationTitle() const override;
  void setApplicationTitle(std::string_view title) override;
  void setApplicationIconFrom(std::string_view path) override;

  // How many times messages were actually processed, for the benchmark.
  std::uint64_t rounds() const { return rounds_; }

 private:
  std::int64_t lastTick_ = 0;  // coarse-clock reading of the last round
  std::uint64_t rounds_ = 0;
  // The title as the script set it. Kept as bytes, since the conversion
  // for display cannot be undone (a title that is no valid UTF-8 is read
  // as Latin-1); unset, the application's display name is the title.
  std::optional<std::string> title_;
  std::unique_ptr<SoundPlayer> sound_;  // made on the first PLAY, by the sound module
  bool soundMissingTold_ = false;
};

// The primary screen in logical pixels, as windows are placed; zeros when
// there is no screen.
os::ScreenFigures primaryScreenFigures();

}  // namespace quillan::dialog
