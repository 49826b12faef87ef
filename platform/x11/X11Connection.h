// The open display of X11WindowAutomation, shared by its source files.
#pragma once

#include <X11/Xlib.h>

#include "platform/x11/X11WindowAutomation.h"

namespace quillan::x11 {

struct X11WindowAutomation::Connection {
  Display* display = nullptr;
  Window root = 0;
  bool typing = false;  // the server has XTEST
  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() {
    if (display != nullptr) XCloseDisplay(display);
  }
};

}  // namespace quillan::x11
