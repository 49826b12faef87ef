#include "platform/x11/X11WindowAutomation.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "platform/x11/MessageMapping.h"
#include "platform/x11/WindowText.h"
#include "platform/x11/X11Connection.h"

namespace quillan::x11 {

namespace {

// How long a request the window manager carries out may take to show.
constexpr int kSettleMilliseconds = 500;

// EWMH: requests sent on behalf of the user by a pager or taskbar are
// honoured by window managers that ignore applications' own requests.
constexpr long kSourcePager = 2;
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;
constexpr int kIconicState = 3;  // ICCCM WM_STATE
constexpr int kNormalState = 1;

// Xlib reports failed requests through one process-wide handler. A window
// can vanish between being listed and being read at any time; that is not
// an error here, so failures on our display are counted and dropped.
std::vector<Display*> gOwnDisplays;
XErrorHandler gPreviousHandler = nullptr;
bool gHandlerInstalled = false;
int gFailedRequests = 0;

int onXError(Display* display, XErrorEvent* error) {
  if (std::find(gOwnDisplays.begin(), gOwnDisplays.end(), display) != gOwnDisplays.end()) {
    ++gFailedRequests;
    return 0;
  }
  return gPreviousHandler != nullptr ? gPreviousHandler(display, error) : 0;
}

void adoptDisplay(Display* display) {
  gOwnDisplays.push_back(display);
  if (gHandlerInstalled) return;
  gHandlerInstalled = true;
  gPreviousHandler = XSetErrorHandler(&onXError);
}

std::string reasonWithoutDisplay() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (display == nullptr || *display == '\0') {
    if (wayland != nullptr && *wayland != '\0') return "this Wayland session has no X server (XWayland)";
    return "there is no X display (DISPLAY is not set)";
  }
  return std::string("the X display \"") + display + "\" cannot be opened";
}

}  // namespace

X11WindowAutomation::X11WindowAutomation(std::function<void()> processMessages,
                                         std::function<void(const std::string&)> report)
    : processMessages_(std::move(processMessages)), report_(std::move(report)) {}

X11WindowAutomation::~X11WindowAutomation() {
  if (x_) gOwnDisplays.erase(std::remove(gOwnDisplays.begin(), gOwnDisplays.end(), x_->display), gOwnDisplays.end());
}

bool X11WindowAutomation::connected() {
  if (x_) return true;
  if (tried_) return false;
  tried_ = true;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    if (report_) report_("other windows cannot be reached: " + reasonWithoutDisplay() + "; no window is found");
    return false;
  }
  x_ = std::make_unique<Connection>();
  x_->display = display;
  x_->root = DefaultRootWindow(display);
  adoptDisplay(display);
  int event = 0, error = 0, major = 0, minor = 0;
  x_->typing = XTestQueryExtension(display, &event, &error, &major, &minor) == True;
  if (!x_->typing && report_) report_("the X server lacks the XTEST extension: WINDOW SEND types nothing");
  // The active window and the stacking list change on the root.
  XSelectInput(display, x_->root, PropertyChangeMask);
  return true;
}

unsigned long X11WindowAutomation::atom(const char* name) {
  const auto found = atoms_.find(name);
  if (found != atoms_.end()) return found->second;
  const Atom value = XInternAtom(x_->display, name, False);
  atoms_.emplace(name, value);
  return value;
}

// --- Reading properties --------------------------------------------------------

namespace {

// The whole property as bytes (format 8) or as longs (format 32, one long
// per item as Xlib delivers it); false when the window has none.
bool readProperty(Display* display, Window window, Atom property, Atom& type, std::vector<unsigned char>& bytes,
                  std::vector<unsigned long>& items) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1 << 16, False, AnyPropertyType, &actualType, &format, &count,
                         &after, &data) != Success)
    return false;
  type = actualType;
  const bool found = actualType != None && data != nullptr;
  if (found && format == 8) bytes.assign(data, data + count);
  if (found && format == 32) {
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    items.assign(longs, longs + count);
  }
  if (data != nullptr) XFree(data);
  return found;
}

std::vector<unsigned long> readItems(Display* display, Window window, Atom property) {
  Atom type = None;
  std::vector<unsigned char> bytes;
  std::vector<unsigned long> items;
  readProperty(display, window, property, type, bytes, items);
  return items;
}

}  // namespace

const X11WindowAutomation::Names& X11WindowAutomation::namesOf(unsigned long window) {
  Names& names = names_[window];
  if (names.known) return names;
  Display* display = x_->display;
  // Watched from now on: a change of title or class, or the window's end,
  // arrives as an event before the next search reads the cache.
  watch(window, names, PropertyChangeMask | StructureNotifyMask);
  names.title.clear();
  names.instance.clear();
  names.className.clear();
  names.known = true;
  Atom type = None;
  std::vector<unsigned char> bytes;
  std::vector<unsigned long> items;
  bool titled = readProperty(display, window, atom("_NET_WM_NAME"), type, bytes, items) && type == atom("UTF8_STRING");
  if (titled) {
    names.title.assign(bytes.begin(), bytes.end());
  } else if (readProperty(display, window, XA_WM_NAME, type, bytes, items)) {
    titled = true;
    const std::string raw(bytes.begin(), bytes.end());
    if (type == XA_STRING) {
      names.title = latin1ToUtf8(raw);
    } else if (type == atom("UTF8_STRING")) {
      names.title = raw;
    } else {
      // Compound text: Xlib converts it.
      XTextProperty property{bytes.data(), type, 8, bytes.size()};
      char** list = nullptr;
      int count = 0;
      if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && count > 0) names.title = list[0];
      if (list != nullptr) XFreeStringList(list);
    }
  }
  bytes.clear();
  const bool classed = readProperty(display, window, XA_WM_CLASS, type, bytes, items);
  if (classed) {
    ClassParts parts = splitClass(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    names.instance = std::move(parts.instance);
    names.className = std::move(parts.className);
  }
  names.carries = titled || classed;
  return names;
}

void X11WindowAutomation::watch(unsigned long window, Names& names, long mask) {
  if ((names.selected | mask) == names.selected) return;
  names.selected |= mask;
  XSelectInput(x_->display, window, names.selected);
}

std::vector<unsigned long> X11WindowAutomation::childrenOf(unsigned long frame) {
  Names& names = names_[frame];
  if (names.childrenKnown) return names.children;
  // A child created, destroyed, reparented or restacked is an event on the
  // frame from now on, and makes the list be read again.
  watch(frame, names, PropertyChangeMask | StructureNotifyMask | SubstructureNotifyMask);
  Window rootOut = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  names.children.clear();
  if (XQueryTree(x_->display, frame, &rootOut, &parent, &children, &count) != 0)
    names.children.assign(children, children + count);
  if (children != nullptr) XFree(children);
  names.childrenKnown = true;
  return names.children;
}

namespace {

// The window a structure event was reported to.
Window receiverOf(const XEvent& event) {
  if (event.type == CreateNotify) return event.xcreatewindow.parent;
  if (event.type == DestroyNotify) return event.xdestroywindow.event;
  if (event.type == ReparentNotify) return event.xreparent.event;
  if (event.type == ConfigureNotify) return event.xconfigure.event;
  return event.xcirculate.event;
}

}  // namespace

void X11WindowAutomation::forgetChildren(unsigned long window) {
  const auto found = names_.find(window);
  if (found != names_.end()) found->second.childrenKnown = false;
}

void X11WindowAutomation::drainEvents() {
  Display* display = x_->display;
  while (XEventsQueued(display, QueuedAfterReading) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == PropertyNotify) {
      const Atom changed = event.xproperty.atom;
      if (changed == XA_WM_NAME || changed == XA_WM_CLASS || changed == atom("_NET_WM_NAME")) {
        const auto it = names_.find(event.xproperty.window);
        if (it != names_.end()) it->second.known = false;
      }
    } else if (event.type == CreateNotify || event.type == DestroyNotify || event.type == ReparentNotify ||
               event.type == ConfigureNotify || event.type == CirculateNotify) {
      // Sent to the parent (selected on frames) or to the window itself:
      // either way the receiver's list of children may have changed.
      forgetChildren(receiverOf(event));
      if (event.type == ReparentNotify) forgetChildren(event.xreparent.parent);
      if (event.type == DestroyNotify) names_.erase(event.xdestroywindow.window);
    } else if (event.type == MappingNotify) {
      XRefreshKeyboardMapping(&event.xmapping);
    }
  }
}

// --- The search ---------------------------------------------------------------

unsigned long X11WindowAutomation::walkTopLevel(const std::function<bool(unsigned long)>& visit) {
  Display* display = x_->display;
  // The stacking list is the first round trip: every event sent before it
  // has arrived once it is read, so the cache is current after the drain.
  const std::vector<unsigned long> stacking = readItems(display, x_->root, atom("_NET_CLIENT_LIST_STACKING"));
  drainEvents();
  std::unordered_set<unsigned long> listed;
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    listed.insert(*it);
    if (visit(*it)) return *it;
  }
  // Windows no manager lists: hidden ones, and every window when no manager
  // runs. A root child without names is a manager's frame; its children
  // are the clients.
  Window rootOut = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, x_->root, &rootOut, &parent, &children, &count) == 0) return 0;
  std::vector<Window> topLevel(children, children + count);
  if (children != nullptr) XFree(children);
  for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
    if (namesOf(*it).carries) {
      if (!listed.contains(*it) && visit(*it)) return *it;
      continue;
    }
    const std::vector<unsigned long> clients = childrenOf(*it);
    for (auto client = clients.rbegin(); client != clients.rend(); ++client)
      if (!listed.contains(*client) && namesOf(*client).carries && visit(*client)) return *client;
  }
  return 0;
}

os::WindowId X11WindowAutomation::find(os::WindowLookup by, std::string_view text) {
  if (text.empty() || !connected()) return os::kNoWindow;
  // The program's own windows are candidates too: what it asked of its
  // display (a window shown, a title set) must have reached the server.
  if (processMessages_) processMessages_();
  const std::string wanted = toWindowText(text);
  return walkTopLevel([&](unsigned long window) {
    const Names& names = namesOf(window);
    if (by == os::WindowLookup::Title) return names.carries && sameTextIgnoringCase(names.title, wanted);
    return sameTextIgnoringCase(names.instance, wanted) || sameTextIgnoringCase(names.className, wanted);
  });
}

std::vector<os::WindowId> X11WindowAutomation::topLevelWindows() {
  std::vector<os::WindowId> all;
  if (!connected()) return all;
  walkTopLevel([&](unsigned long window) {
    all.push_back(window);
    return false;
  });
  return all;
}

// --- State and the window manager ------------------------------------------------

bool X11WindowAutomation::windowManagerRuns() {
  Display* display = x_->display;
  const Atom check = atom("_NET_SUPPORTING_WM_CHECK");
  const auto onRoot = readItems(display, x_->root, check);
  if (onRoot.empty()) return false;
  // A manager that died leaves the root's property behind; its own window
  // names itself only while it lives.
  const int failedBefore = gFailedRequests;
  const auto onChild = readItems(display, onRoot.front(), check);
  return gFailedRequests == failedBefore && !onChild.empty() && onChild.front() == onRoot.front();
}

std::vector<unsigned long> X11WindowAutomation::netState(unsigned long window) {
  return readItems(x_->display, window, atom("_NET_WM_STATE"));
}

int X11WindowAutomation::wmState(unsigned long window) {
  const auto items = readItems(x_->display, window, atom("WM_STATE"));
  return items.empty() ? 0 : static_cast<int>(items.front());
}

bool X11WindowAutomation::isMapped(unsigned long window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(x_->display, window, &attributes) == 0) return false;
  return attributes.map_state != IsUnmapped;
}

void X11WindowAutomation::sendToRoot(unsigned long window, const char* type, long d0, long d1, long d2, long d3,
                                     long d4) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = atom(type);
  event.xclient.format = 32;
  const long data[5] = {d0, d1, d2, d3, d4};
  std::copy(std::begin(data), std::end(data), event.xclient.data.l);
  XSendEvent(x_->display, x_->root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XFlush(x_->display);
}

void X11WindowAutomation::setState(unsigned long window, bool add, const char* first, const char* second) {
  sendToRoot(window, "_NET_WM_STATE", add ? kStateAdd : kStateRemove, static_cast<long>(atom(first)),
             second != nullptr ? static_cast<long>(atom(second)) : 0, kSourcePager, 0);
}

bool X11WindowAutomation::waitUntil(const std::function<bool()>& done, int milliseconds) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    drainEvents();
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    if (processMessages_) processMessages_();
    // Wakes as soon as the display has something to say; a property we
    // watch changing is an event.
    pollfd wake{ConnectionNumber(x_->display), POLLIN, 0};
    poll(&wake, 1, 5);
  }
}

void X11WindowAutomation::mapIfNotShown(unsigned long window) {
  // Mapping an iconic or withdrawn window asks for it in its normal state.
  if (isMapped(window) && wmState(window) != kIconicState) return;
  XMapWindow(x_->display, window);
  XFlush(x_->display);
  // A manager ignores requests about a window it does not manage yet, so
  // the next request waits until the window is back in its care.
  const bool managed = windowManagerRuns();
  waitUntil([&] { return managed ? wmState(window) == kNormalState : isMapped(window); }, kSettleMilliseconds);
}

unsigned long X11WindowAutomation::activeClient() {
  Display* display = x_->display;
  if (windowManagerRuns()) {
    const auto items = readItems(display, x_->root, atom("_NET_ACTIVE_WINDOW"));
    return items.empty() ? 0 : items.front();
  }
  // Without a manager the active window is the one with the focus, or the
  // client window it lies in.
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  while (focus != None && focus != PointerRoot && focus != x_->root) {
    if (namesOf(focus).carries) return focus;
    Window rootOut = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, focus, &rootOut, &parent, &children, &count) == 0) return 0;
    if (children != nullptr) XFree(children);
    focus = parent;
  }
  return 0;
}

void X11WindowAutomation::activate(os::WindowId window) {
  if (!connected()) return;
  Display* display = x_->display;
  mapIfNotShown(window);
  if (windowManagerRuns()) {
    sendToRoot(window, "_NET_ACTIVE_WINDOW", kSourcePager, CurrentTime, 0, 0, 0);
  } else {
    XRaiseWindow(display, window);
    // The focus can only go to a window that is viewable.
    waitUntil(
        [&] {
          XWindowAttributes attributes;
          return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
        },
        kSettleMilliseconds);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
  }
  waitUntil([&] { return activeClient() == window; }, kSettleMilliseconds);
}

void X11WindowAutomation::change(os::WindowId window, os::WindowChange how) {
  if (!connected()) return;
  Display* display = x_->display;
  const bool managed = windowManagerRuns();
  const auto hasState = [&](const char* name) {
    const auto states = netState(window);
    return std::find(states.begin(), states.end(), atom(name)) != states.end();
  };
  switch (how) {
    case os::WindowChange::Maximize:
      mapIfNotShown(window);
      if (managed) setState(window, true, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ");
      XFlush(display);
      waitUntil(
          [&] {
            return !managed || (hasState("_NET_WM_STATE_MAXIMIZED_VERT") && hasState("_NET_WM_STATE_MAXIMIZED_HORZ"));
          },
          kSettleMilliseconds);
      return;
    case os::WindowChange::Iconize:
      XIconifyWindow(display, window, DefaultScreen(display));
      XFlush(display);
      if (managed) waitUntil([&] { return wmState(window) == kIconicState; }, kSettleMilliseconds);
      return;
    case os::WindowChange::Normal:
      mapIfNotShown(window);
      if (managed) setState(window, false, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ");
      XFlush(display);
      waitUntil(
          [&] {
            if (!isMapped(window)) return false;
            return !managed || (wmState(window) == kNormalState && !hasState("_NET_WM_STATE_MAXIMIZED_VERT") &&
                                !hasState("_NET_WM_STATE_MAXIMIZED_HORZ"));
          },
          kSettleMilliseconds);
      return;
    case os::WindowChange::OnTop:
      if (managed) {
        setState(window, true, "_NET_WM_STATE_ABOVE", nullptr);
        waitUntil([&] { return hasState("_NET_WM_STATE_ABOVE"); }, kSettleMilliseconds);
      } else {
        XRaiseWindow(display, window);
        XFlush(display);
      }
      return;
    case os::WindowChange::Hide:
      XWithdrawWindow(display, window, DefaultScreen(display));
      XFlush(display);
      waitUntil([&] { return !isMapped(window); }, kSettleMilliseconds);
      return;
  }
}

void X11WindowAutomation::requestClose(unsigned long window) {
  Display* display = x_->display;
  Atom* protocols = nullptr;
  int count = 0;
  bool deletes = false;
  if (XGetWMProtocols(display, window, &protocols, &count) != 0) {
    deletes = std::find(protocols, protocols + count, atom("WM_DELETE_WINDOW")) != protocols + count;
    XFree(protocols);
  }
  if (deletes) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(atom("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
  } else {
    sendToRoot(window, "_NET_CLOSE_WINDOW", CurrentTime, kSourcePager, 0, 0, 0);
  }
  XFlush(display);
}

void X11WindowAutomation::close(os::WindowId window) {
  if (connected()) requestClose(window);
}

// --- Geometry --------------------------------------------------------------------

bool X11WindowAutomation::frameExtents(unsigned long window, long extents[4]) {
  const auto items = readItems(x_->display, window, atom("_NET_FRAME_EXTENTS"));
  for (std::size_t i = 0; i < 4; ++i) extents[i] = i < items.size() ? static_cast<long>(items[i]) : 0;
  return items.size() == 4;
}

bool X11WindowAutomation::placement(os::WindowId window, os::WindowPlacement& out) {
  if (!connected()) return false;
  Display* display = x_->display;
  drainEvents();
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  int x = 0, y = 0;
  Window child = 0;
  if (XTranslateCoordinates(display, window, x_->root, 0, 0, &x, &y, &child) == 0) return false;
  long extents[4];  // left, right, top, bottom
  frameExtents(window, extents);
  const int border = attributes.border_width;
  out.rect.left = static_cast<std::int32_t>(x - border - extents[0]);
  out.rect.top = static_cast<std::int32_t>(y - border - extents[2]);
  out.rect.width = static_cast<std::int32_t>(attributes.width + 2 * border + extents[0] + extents[1]);
  out.rect.height = static_cast<std::int32_t>(attributes.height + 2 * border + extents[2] + extents[3]);
  const auto states = netState(window);
  const auto has = [&](const char* name) {
    return std::find(states.begin(), states.end(), atom(name)) != states.end();
  };
  if (wmState(window) == kIconicState || has("_NET_WM_STATE_HIDDEN")) {
    out.state = os::ShowState::Iconic;
  } else if (has("_NET_WM_STATE_MAXIMIZED_VERT") && has("_NET_WM_STATE_MAXIMIZED_HORZ")) {
    out.state = os::ShowState::Maximized;
  } else {
    out.state = os::ShowState::Normal;
  }
  return true;
}

void X11WindowAutomation::place(os::WindowId window, const os::WindowRect& rect) {
  if (!connected()) return;
  Display* display = x_->display;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return;
  long extents[4];
  frameExtents(window, extents);
  const long border = attributes.border_width;
  const long width = std::max(1L, rect.width - extents[0] - extents[1] - 2 * border);
  const long height = std::max(1L, rect.height - extents[2] - extents[3] - 2 * border);
  if (windowManagerRuns()) {
    // North-west gravity: x and y are the frame's outer corner.
    constexpr long kNorthWest = 1, kAllFour = 0xF << 8, kFromPager = kSourcePager << 12;
    sendToRoot(window, "_NET_MOVERESIZE_WINDOW", kNorthWest | kAllFour | kFromPager, rect.left, rect.top, width,
               height);
  } else {
    XMoveResizeWindow(display, window, rect.left, rect.top, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    XFlush(display);
  }
  waitUntil(
      [&] {
        os::WindowPlacement now;
        return placement(window, now) && now.rect == rect;
      },
      kSettleMilliseconds);
}

// --- Messages ----------------------------------------------------------------------

void X11WindowAutomation::sendMessage(os::WindowId window, std::uint16_t message, std::uint16_t wparam,
                                      std::uint32_t lparam) {
  if (!connected()) return;
  if (window != os::kNoWindow) {
    if (const auto operation = operationForMessage(message, wparam)) {
      switch (*operation) {
        case MessageOperation::Close:
          close(window);
          return;
        case MessageOperation::Iconize:
          change(window, os::WindowChange::Iconize);
          return;
        case MessageOperation::Maximize:
          change(window, os::WindowChange::Maximize);
          return;
        case MessageOperation::Normal:
          change(window, os::WindowChange::Normal);
          return;
      }
    }
  }
  Display* display = x_->display;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.message_type = atom("_QUILLAN_WINDOW_MESSAGE");
  event.xclient.format = 32;
  event.xclient.data.l[0] = message;
  event.xclient.data.l[1] = wparam;
  event.xclient.data.l[2] = static_cast<long>(lparam);
  // An empty event mask delivers the event to the client that made the
  // window, whatever it selected.
  const auto deliver = [&](unsigned long target) {
    event.xclient.window = target;
    XSendEvent(display, target, False, NoEventMask, &event);
    return false;
  };
  if (window != os::kNoWindow) {
    deliver(window);
  } else {
    walkTopLevel(deliver);
  }
  XSync(display, False);
}

bool X11WindowAutomation::activeWindow(std::string& title, std::string& className) {
  if (!connected()) return false;
  if (processMessages_) processMessages_();
  drainEvents();
  const unsigned long window = activeClient();
  if (window == 0) return false;
  const Names& names = namesOf(window);
  title = names.title;
  className = names.className;
  return true;
}

}  // namespace quillan::x11
