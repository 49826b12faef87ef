// x11_test_client: a plain Xlib window for the X tests. It shows a window
// with the title and class given, writes every character typed into it to
// a file, writes every _QUILLAN_WINDOW_MESSAGE it receives to another (one
// line: message wparam lparam), and ends when asked to close.
//   x11_test_client TITLE INSTANCE CLASS KEYFILE MESSAGEFILE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fputs("usage: x11_test_client TITLE INSTANCE CLASS KEYFILE MESSAGEFILE\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 50, 50, 240, 120, 0, 0,
                                            WhitePixel(display, DefaultScreen(display)));
  const std::string title = argv[1];
  XStoreName(display, window, title.c_str());
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
  XClassHint hint{argv[2], argv[3]};
  XSetClassHint(display, window, &hint);
  Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &deleteWindow, 1);
  XWMHints hints{};
  hints.flags = InputHint;
  hints.input = True;
  XSetWMHints(display, window, &hints);
  const Atom message = XInternAtom(display, "_QUILLAN_WINDOW_MESSAGE", False);
  XSelectInput(display, window, KeyPressMask | StructureNotifyMask);
  XMapWindow(display, window);
  std::FILE* keys = std::fopen(argv[4], "ab");
  std::FILE* messages = std::fopen(argv[5], "ab");
  if (keys == nullptr || messages == nullptr) return 2;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MappingNotify) {
      XRefreshKeyboardMapping(&event.xmapping);
    } else if (event.type == KeyPress) {
      char text[16];
      KeySym keysym = NoSymbol;
      const int length = XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
      if (length > 0) {
        std::fwrite(text, 1, static_cast<std::size_t>(length), keys);
        std::fflush(keys);
      }
    } else if (event.type == ClientMessage && event.xclient.message_type == message) {
      std::fprintf(messages, "%lu %lu %lu\n", static_cast<unsigned long>(event.xclient.data.l[0]),
                   static_cast<unsigned long>(event.xclient.data.l[1]),
                   static_cast<unsigned long>(event.xclient.data.l[2]) & 0xFFFFFFFFul);
      std::fflush(messages);
    } else if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
      break;
    }
  }
  XCloseDisplay(display);
  return 0;
}
