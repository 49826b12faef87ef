// What the interpreter needs from the desktop: message boxes, a way to let
// the window system run, and the application's title and icon. The Qt layer
// implements it for real; unattended mode and the tests have their own.
#pragma once

#include <string>
#include <string_view>

namespace quillan::os {

enum class BoxIcon { Information, Exclamation, Question };
enum class BoxButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Shows a modal box and returns the button chosen. Caption and text are
  // script bytes; the implementation converts them for display.
  virtual BoxAnswer messageBox(std::string_view caption, std::string_view text, BoxIcon icon, BoxButtons buttons) = 0;

  // Shows a modal box with a prompt and an edit field that holds
  // defaultText. True when the user confirmed; answer is then the edited
  // text. When cancelled, answer is left as it was. A desktop that cannot
  // ask (the default here) answers as if cancelled.
  virtual bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                        std::string& answer) {
    (void)caption, (void)prompt, (void)defaultText, (void)answer;
    return false;
  }

  // Rings the desktop's bell; silent by default.
  virtual void beep() {}

  // Plays a sound file; path is a script path. A file that cannot be
  // played gives the bell instead. With wait, returns when the sound has
  // ended (processing messages meanwhile), and never hangs on a sound
  // system that does not end it; without wait, returns at once and the
  // sound replaces any that is still playing. Silent by default.
  virtual void playSound(std::string_view path, bool wait) { (void)path, (void)wait; }

  // Processes every waiting window message now.
  virtual void processMessages() = 0;

  // Called between script lines: before every line that follows one which
  // may have taken time, and every few quick lines. Processing messages costs far
  // more than a line, so an implementation may process them only when
  // something can be waiting (time has passed, an event hook fired); it must
  // never let a person notice the delay.
  virtual void processMessagesIfDue() = 0;

  virtual std::string applicationTitle() const = 0;
  virtual void setApplicationTitle(std::string_view title) = 0;
  // Uses the first icon stored in the file (an executable's resources or an
  // image) as the application's icon; a file without one changes nothing.
  virtual void setApplicationIconFrom(std::string_view path) = 0;
};

}  // namespace quillan::os
