// The desktop the X tests run on: the display xvfb-run gave them, a window
// manager (openbox) unless QUILLAN_X11_WM=none, and real clients started
// and ended by each test. An observer connection of its own checks what
// the tests cannot read through the interface (mapped, stacking hints).
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quillan::testing {

// Polls done (every few milliseconds) until it holds or the time is up.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(5));

class X11Desktop {
 public:
  static X11Desktop& instance();
  bool open(std::string& why);
  void close();

  bool managed() const { return windowManager_ != 0; }
  Display* display() const { return display_; }

  // Starts a program on the display; ended by stop() or at the test's end.
  pid_t start(const std::vector<std::string>& argv);
  // Ends it (if it still runs) and reaps it; true when it had already ended.
  bool stop(pid_t pid);
  // True when the program ends within the time.
  bool endsWithin(pid_t pid, std::chrono::milliseconds limit);
  void stopAll();

  // Observer reads.
  bool isViewable(Window window);
  bool isMapped(Window window);
  bool hasNetState(Window window, const char* state);
  int wmState(Window window);
  // Read afresh from the server, not from Xlib's cache.
  bool keysymInMap(KeySym keysym);
  // A client window with this title is shown (and managed, with a manager).
  Window waitForClient(const std::string& title);

 private:
  Display* display_ = nullptr;
  pid_t windowManager_ = 0;
  std::vector<pid_t> clients_;
};

}  // namespace quillan::testing
