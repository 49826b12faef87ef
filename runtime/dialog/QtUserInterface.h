// The desktop through Qt Widgets: message and input boxes, message
// processing, the application's title and icon, the bell and sounds, and
// the request to end the session. In unattended mode the boxes and that
// request go to the transcript instead of the screen and the system.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/api/Session.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/UserInterface.h"
#include "platform/unattended/UnattendedSession.h"

namespace quillan::dialog {

class SoundPlayer;

class QtUserInterface final : public os::UserInterface, public os::SessionManager {
 public:
  // session is null when someone is at the screen.
  explicit QtUserInterface(unattended::UnattendedSession* session);
  ~QtUserInterface() override;

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override;
  void beep() override;
  void playSound(std::string_view path, bool wait) override;
  // Asks systemd-logind over the system bus; the reply (the user may be
  // asked to authenticate) is awaited with the windows kept alive.
  bool endSession(os::SessionEnd how) override;
  void processMessages() override;
  void processMessagesIfDue() override;
  std::string applicationTitle() const override;
  void setApplicationTitle(std::string_view title) override;
  void setApplicationIconFrom(std::string_view path) override;

  // Makes the next line process messages at once, e.g. after a handler of
  // ours queued something for the script.
  void requestMessageRound() { due_ = true; }

  // How many times messages were actually processed, for the benchmark.
  std::uint64_t rounds() const { return rounds_; }

 private:
  unattended::UnattendedSession* session_;
  std::int64_t lastTick_ = 0;  // coarse-clock reading of the last round
  bool due_ = false;
  std::uint64_t rounds_ = 0;
  std::unique_ptr<SoundPlayer> sound_;  // made on the first PLAY
};

// The primary screen in logical pixels, as windows are placed; zeros when
// there is no screen.
os::ScreenFigures primaryScreenFigures();

// The length of a WAV file's sound in milliseconds, from the first bytes
// of the file (head) and its size; -1 when they are not a WAV file with a
// usable format and data chunk.
std::int64_t wavLengthMs(std::string_view head, std::uint64_t fileSize);

}  // namespace quillan::dialog
