// Other windows on an X display: Xlib for the search and the window
// manager's hints (EWMH, ICCCM), XTest for typing. The display is opened on
// first use, so a script that never looks at other windows never connects.
// Without a display every window counts as not found, and `report` is told
// once why.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/api/WindowAutomation.h"

namespace quillan::x11 {

class X11WindowAutomation final : public os::WindowAutomation {
 public:
  // processMessages lets the program's own windows run while a request
  // waits for the window manager; report receives the one-line reason when
  // no display can be used.
  X11WindowAutomation(std::function<void()> processMessages, std::function<void(const std::string&)> report);
  ~X11WindowAutomation() override;
  X11WindowAutomation(const X11WindowAutomation&) = delete;
  X11WindowAutomation& operator=(const X11WindowAutomation&) = delete;

  os::WindowId find(os::WindowLookup by, std::string_view text) override;
  void activate(os::WindowId window) override;
  void change(os::WindowId window, os::WindowChange how) override;
  void close(os::WindowId window) override;
  void place(os::WindowId window, const os::WindowRect& rect) override;
  bool placement(os::WindowId window, os::WindowPlacement& out) override;
  void beginTyping(os::WindowId window) override;
  bool needsModifier(unsigned char character) override;
  void typeCharacter(unsigned char character) override;
  void keyEvent(os::Key key, bool down) override;
  void flushKeys() override;
  void endTyping() override;
  void sendMessage(os::WindowId window, std::uint16_t message, std::uint16_t wparam, std::uint32_t lparam) override;
  bool activeWindow(std::string& title, std::string& className) override;

  // Every top-level window in search order (for tests and benchmarks).
  std::vector<os::WindowId> topLevelWindows();

 private:
  struct Connection;
  // What the search keeps of a window it has seen, kept current by the
  // events it selected on it.
  struct Names {
    bool known = false;
    bool carries = false;  // has a title or a class: a client's window
    std::string title;     // UTF-8
    std::string instance;
    std::string className;
    long selected = 0;  // the event mask selected on the window
    bool childrenKnown = false;
    std::vector<unsigned long> children;  // of a frame, bottom first
  };
  struct Chord {
    unsigned keycode = 0;
    bool shifted = false;  // the keysym is on the key's second level
  };

  bool connected();
  void drainEvents();
  const Names& namesOf(unsigned long window);
  std::vector<unsigned long> childrenOf(unsigned long frame);
  void watch(unsigned long window, Names& names, long mask);
  void forgetChildren(unsigned long window);
  // Walks the top-level windows in search order until visit returns true;
  // the window it stopped at, or 0.
  unsigned long walkTopLevel(const std::function<bool(unsigned long)>& visit);
  bool windowManagerRuns();
  unsigned long activeClient();
  bool waitUntil(const std::function<bool()>& done, int milliseconds);
  void sendToRoot(unsigned long window, const char* type, long d0, long d1, long d2, long d3, long d4);
  void setState(unsigned long window, bool add, const char* first, const char* second);
  std::vector<unsigned long> netState(unsigned long window);
  int wmState(unsigned long window);
  bool isMapped(unsigned long window);
  void mapIfNotShown(unsigned long window);
  void requestClose(unsigned long window);
  bool frameExtents(unsigned long window, long extents[4]);
  unsigned long atom(const char* name);

  // Typing.
  void loadKeyboardMap();
  Chord chordFor(unsigned long keysym);
  unsigned bindSpareKey(unsigned long keysym);
  void pressAndRelease(unsigned keycode);

  std::function<void()> processMessages_;
  std::function<void(const std::string&)> report_;
  std::unique_ptr<Connection> x_;
  bool tried_ = false;
  std::unordered_map<unsigned long, Names> names_;
  std::map<std::string, unsigned long> atoms_;

  // The keyboard map while typing: keysym to key, the keys free for
  // characters the map lacks, and those bound so far.
  std::unordered_map<unsigned long, Chord> chords_;
  std::vector<unsigned> spareKeys_;
  std::vector<unsigned> boundKeys_;
  int keysymsPerKeycode_ = 0;
};

}  // namespace quillan::x11
