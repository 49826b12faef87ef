// The window designation that WINDOW, WINEXISTS and WINPOS share: a text
// starting with "#" names a window class (the rest of the text), any other
// text the whole title. An empty text, or an empty class, finds nothing,
// and so does every designation when the platform has no desktop windows.
#pragma once

#include <string_view>

#include "platform/api/WindowAutomation.h"
#include "runtime/core/Runtime.h"

namespace quillan::functions {

inline os::WindowId findWindow(const core::Runtime& rt, std::string_view designation) {
  if (rt.os.windows == nullptr) return os::kNoWindow;
  os::WindowLookup by = os::WindowLookup::Title;
  if (!designation.empty() && designation.front() == '#') {
    by = os::WindowLookup::Class;
    designation.remove_prefix(1);
  }
  if (designation.empty()) return os::kNoWindow;
  return rt.os.windows->find(by, designation);
}

}  // namespace quillan::functions
