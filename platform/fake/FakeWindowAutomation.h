// A desktop of windows for tests: a list of windows with titles, classes and
// placements; every request is recorded as one line of `log` ("activate
// Notes", "place Notes 10,20,300,200", "down Shift", "char a"). A "find"
// planned to fail in `faults` finds nothing; a failing "placement" reports a
// window that has gone. Characters that need a modifier are those in
// `shiftedCharacters` (upper-case letters and the shifted signs of a US map
// unless a test sets others).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/api/WindowAutomation.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

struct FakeWindow {
  std::string title;
  std::string className;
  os::WindowPlacement placement{{10, 20, 300, 200}, os::ShowState::Normal};
};

class FakeWindowAutomation : public os::WindowAutomation {
 public:
  std::vector<FakeWindow> windows;  // topmost first
  std::vector<std::string> log;
  std::string shiftedCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ~!@#$%^&*()_+{}|:\"<>?";
  std::size_t active = 0;  // index into windows + 1; 0: no active window
  FailOnCue faults;

  os::WindowId find(os::WindowLookup by, std::string_view text) override {
    if (faults.next("find") != 0) return os::kNoWindow;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const std::string& name = by == os::WindowLookup::Title ? windows[i].title : windows[i].className;
      if (sameText(name, text)) return i + 1;
    }
    return os::kNoWindow;
  }
  void activate(os::WindowId window) override {
    record("activate", window);
    active = window;
  }
  void change(os::WindowId window, os::WindowChange how) override {
    static constexpr const char* kNames[] = {"maximize", "iconize", "normal", "ontop", "hide"};
    record(kNames[static_cast<int>(how)], window);
  }
  void close(os::WindowId window) override { record("close", window); }
  void place(os::WindowId window, const os::WindowRect& r) override {
    record("place", window,
           std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
               std::to_string(r.height));
    windows[window - 1].placement.rect = r;
  }
  bool placement(os::WindowId window, os::WindowPlacement& out) override {
    if (faults.next("placement") != 0) return false;
    out = windows[window - 1].placement;
    return true;
  }
  void beginTyping(os::WindowId window) override {
    record("type into", window);
    active = window;
  }
  bool needsModifier(unsigned char character) override {
    return shiftedCharacters.find(static_cast<char>(character)) != std::string::npos;
  }
  void typeCharacter(unsigned char character) override { log.push_back("char " + std::string(1, char(character))); }
  void keyEvent(os::Key key, bool down) override {
    log.push_back(std::string(down ? "down " : "up ") + std::to_string(static_cast<int>(key)));
  }
  void flushKeys() override { ++flushes; }
  void endTyping() override { log.push_back("end typing"); }
  void sendMessage(os::WindowId window, std::uint16_t message, std::uint16_t wparam, std::uint32_t lparam) override {
    record("message", window, std::to_string(message) + "," + std::to_string(wparam) + "," + std::to_string(lparam));
  }
  bool activeWindow(std::string& title, std::string& className) override {
    if (active == 0) return false;
    title = windows[active - 1].title;
    className = windows[active - 1].className;
    return true;
  }

  int flushes = 0;

  // The text a key logs as, for expected logs.
  static std::string down(os::Key key) { return "down " + std::to_string(static_cast<int>(key)); }
  static std::string up(os::Key key) { return "up " + std::to_string(static_cast<int>(key)); }

 private:
  static bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (lower(a[i]) != lower(b[i])) return false;
    return true;
  }
  static char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
  void record(const char* what, os::WindowId window, const std::string& detail = {}) {
    std::string line = std::string(what) + " " + (window == os::kNoWindow ? "*" : windows[window - 1].title);
    if (!detail.empty()) line += " " + detail;
    log.push_back(line);
  }
};

}  // namespace quillan::fake
