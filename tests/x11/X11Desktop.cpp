#include "tests/x11/X11Desktop.h"

#include <X11/Xatom.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace quillan::testing {

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

X11Desktop& X11Desktop::instance() {
  static X11Desktop desktop;
  return desktop;
}

namespace {

std::vector<unsigned long> items(Display* display, Window window, const char* property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> out;
  if (XGetWindowProperty(display, window, XInternAtom(display, property, False), 0, 1024, False, AnyPropertyType, &type,
                         &format, &count, &after, &data) == Success &&
      data != nullptr) {
    if (format == 32) {
      const auto* longs = reinterpret_cast<const unsigned long*>(data);
      out.assign(longs, longs + count);
    }
    XFree(data);
  }
  return out;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool X11Desktop::open(std::string& why) {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) {
    why = "no X display: run these tests under xvfb-run";
    return false;
  }
  XSetErrorHandler(&ignoreErrors);
  const char* wm = std::getenv("QUILLAN_X11_WM");
  if (wm != nullptr && std::strcmp(wm, "none") == 0) return true;
  windowManager_ = start({"openbox", "--sm-disable"});
  clients_.clear();  // the manager outlives every test's clients
  const Window root = DefaultRootWindow(display_);
  if (!waitFor([&] { return !items(display_, root, "_NET_SUPPORTING_WM_CHECK").empty(); })) {
    why = "openbox did not start";
    return false;
  }
  return true;
}

void X11Desktop::close() {
  stopAll();
  if (windowManager_ != 0) stop(windowManager_);
  windowManager_ = 0;
  if (display_ != nullptr) XCloseDisplay(display_);
  display_ = nullptr;
}

pid_t X11Desktop::start(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return 0;
  clients_.push_back(pid);
  return pid;
}

bool X11Desktop::endsWithin(pid_t pid, std::chrono::milliseconds limit) {
  int status = 0;
  const bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, limit);
  if (ended) clients_.erase(std::remove(clients_.begin(), clients_.end(), pid), clients_.end());
  return ended;
}

bool X11Desktop::stop(pid_t pid) {
  int status = 0;
  const bool ended = waitpid(pid, &status, WNOHANG) == pid;
  if (!ended) {
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
  }
  clients_.erase(std::remove(clients_.begin(), clients_.end(), pid), clients_.end());
  return ended;
}

void X11Desktop::stopAll() {
  const std::vector<pid_t> running = clients_;
  for (const pid_t pid : running)
    if (pid != windowManager_) stop(pid);
}

bool X11Desktop::isViewable(Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

bool X11Desktop::isMapped(Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0 && attributes.map_state != IsUnmapped;
}

bool X11Desktop::hasNetState(Window window, const char* state) {
  const auto states = items(display_, window, "_NET_WM_STATE");
  return std::find(states.begin(), states.end(), XInternAtom(display_, state, False)) != states.end();
}

int X11Desktop::wmState(Window window) {
  const auto state = items(display_, window, "WM_STATE");
  return state.empty() ? 0 : static_cast<int>(state.front());
}

bool X11Desktop::keysymInMap(KeySym keysym) {
  int minKey = 0, maxKey = 0, per = 0;
  XDisplayKeycodes(display_, &minKey, &maxKey);
  KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(minKey), maxKey - minKey + 1, &per);
  if (map == nullptr) return false;
  const bool found = std::find(map, map + (maxKey - minKey + 1) * per, keysym) != map + (maxKey - minKey + 1) * per;
  XFree(map);
  return found;
}

namespace {

// The client window with this WM_NAME among the root's children and their
// children.
Window findByName(Display* display, Window parent, const std::string& title, int depth) {
  Window rootOut = 0, parentOut = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, parent, &rootOut, &parentOut, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
      if (title == name) found = children[i];
      XFree(name);
    }
    if (found == 0 && depth > 0) found = findByName(display, children[i], title, depth - 1);
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

Window X11Desktop::waitForClient(const std::string& title) {
  Window window = 0;
  waitFor([&] {
    window = findByName(display_, DefaultRootWindow(display_), title, 1);
    if (window == 0 || !isViewable(window)) return false;
    // A managed window is in the manager's list once it is shown.
    if (!managed()) return true;
    const auto list = items(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST");
    return wmState(window) == 1 && std::find(list.begin(), list.end(), window) != list.end();
  });
  return window;
}

}  // namespace quillan::testing
