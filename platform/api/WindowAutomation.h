// Other programs' windows on the desktop: finding a top-level window by its
// title or class, acting on it as a user would (activate, maximise, move,
// close), typing keys into it, sending it a message, and reading where it
// is and which window is active. Titles and classes are script text; the
// implementation converts them at the desktop. A window that is not found
// or has gone away is never an error: operations on it do nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::os {

// A top-level window as a search found it; kNoWindow when none matched.
using WindowId = std::uint64_t;
inline constexpr WindowId kNoWindow = 0;

enum class WindowLookup : std::uint8_t {
  Title,  // the whole title, without regard to case
  Class,  // either part of the window class, without regard to case
};

// Changes of the way a window is shown.
enum class WindowChange : std::uint8_t {
  Maximize,
  Iconize,
  Normal,  // neither maximised nor iconic, and shown again if it was hidden
  OnTop,   // kept above ordinary windows; not moved, sized or redrawn
  Hide,    // withdrawn from the screen; a search still finds it
};

// As a window placement reports it.
enum class ShowState : std::uint8_t { Normal = 1, Iconic = 2, Maximized = 3 };

// The outer rectangle (frame included) in screen pixels.
struct WindowRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const WindowRect&) const = default;
};

struct WindowPlacement {
  WindowRect rect;
  ShowState state = ShowState::Normal;
};

// The keys of the key text that are not characters.
enum class Key : std::uint8_t {
  Cancel,
  BackSpace,
  Tab,
  Clear,
  Return,
  Shift,
  Control,
  Alt,
  Pause,
  CapsLock,
  Escape,
  Convert,
  NonConvert,
  ModeChange,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
  Home,
  End,
  Up,
  Down,
  Left,
  Right,
  PageUp,
  PageDown,
  Insert,
  Delete,
};

class WindowAutomation {
 public:
  virtual ~WindowAutomation() = default;

  // The first top-level window, topmost first, hidden ones included, whose
  // whole title or either class part equals text; kNoWindow when none does.
  virtual WindowId find(WindowLookup by, std::string_view text) = 0;

  // Restores the window if it is iconic and makes it the active window.
  virtual void activate(WindowId window) = 0;
  virtual void change(WindowId window, WindowChange how) = 0;
  // Asks the window to close; its program may ask its user or refuse.
  virtual void close(WindowId window) = 0;
  // Moves and sizes the outer rectangle.
  virtual void place(WindowId window, const WindowRect& rect) = 0;
  // False when the window has gone.
  virtual bool placement(WindowId window, WindowPlacement& out) = 0;

  // Typing: beginTyping activates the window and waits a moment for it to
  // become the active window; the keys that follow go to the active window.
  // endTyping delivers what is still buffered and undoes any change made to
  // the keyboard map for characters it lacked.
  virtual void beginTyping(WindowId window) = 0;
  // Whether the keyboard map types the character (Latin-1, 32-227) only
  // with a modifier held.
  virtual bool needsModifier(unsigned char character) = 0;
  // Presses and releases the key that types the character.
  virtual void typeCharacter(unsigned char character) = 0;
  virtual void keyEvent(Key key, bool down) = 0;
  // Called between keys with a pause ahead: what was typed is sent now.
  virtual void flushKeys() = 0;
  virtual void endTyping() = 0;

  // Sends a numbered window message; kNoWindow sends it to every top-level
  // window. Returns when the message has been handed over.
  virtual void sendMessage(WindowId window, std::uint16_t message, std::uint16_t wparam, std::uint32_t lparam) = 0;

  // The title and the class of the active window; false when there is none.
  virtual bool activeWindow(std::string& title, std::string& className) = 0;
};

}  // namespace quillan::os
