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
  virtual BoxAnswer messageBox(std::string_view caption, std::string_view text, BoxIcon icon,
                               BoxButtons buttons) = 0;

  // Processes every waiting window message now.
  virtual void processMessages() = 0;

  // Called at the top of every script line. Processing messages costs far
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
