// Other windows of the desktop: whether one exists (WINEXISTS), where it is
// and how it is shown (WINPOS), and which window is active (WINACTIVE).
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"
#include "runtime/functions/WindowSearch.h"

namespace quillan::functions {
namespace {

void appendValue(Runtime& rt, std::string& result, bool& first, std::string_view value) {
  if (!first) result += rt.settings.fieldSep;
  result += value;
  first = false;
}

void winexists(Runtime& rt, std::string& result) {
  const std::string designation = core::nextArgument(rt);
  if (rt.error != 0) return;
  setYes(result, findWindow(rt, designation) != os::kNoWindow);
}

// L, T, W, H: the outer rectangle; S: 1 normal, 2 iconic, 3 maximised.
void winpos(Runtime& rt, std::string& result) {
  const std::string designation = core::nextArgument(rt);
  std::string letters = core::nextArgument(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(letters);
  const os::WindowId window = findWindow(rt, designation);
  os::WindowPlacement placement;
  if (window == os::kNoWindow || letters.empty() || !rt.os.windows->placement(window, placement)) {
    rt.success = false;
    return;
  }
  const os::WindowRect& r = placement.rect;
  bool first = true;
  for (const char letter : letters) {
    std::int32_t value = 0;
    if (letter == 'L') {
      value = r.left;
    } else if (letter == 'T') {
      value = r.top;
    } else if (letter == 'W') {
      value = r.width;
    } else if (letter == 'H') {
      value = r.height;
    } else if (letter == 'S') {
      value = static_cast<std::int32_t>(placement.state);
    } else {
      rt.fail(core::kBadValue);
      break;
    }
    appendValue(rt, result, first, std::to_string(value));
  }
  rt.success = !first;
}

// N: the active window's title; C: its class. Without an active window the
// values are empty.
void winactive(Runtime& rt, std::string& result) {
  std::string letters = core::argumentOr(rt, "N");
  if (rt.error != 0) return;
  core::upperAsciiInPlace(letters);
  std::string title;
  std::string className;
  if (rt.os.windows != nullptr) rt.os.windows->activeWindow(title, className);
  bool first = true;
  for (const char letter : letters) {
    if (letter == 'N') {
      appendValue(rt, result, first, title);
    } else if (letter == 'C') {
      appendValue(rt, result, first, className);
    } else {
      rt.fail(core::kBadValue);
      return;
    }
  }
}

constexpr FunctionRow kRows[] = {
    {Function::WinExists, &winexists}, {Function::WinPos, &winpos}, {Function::WinActive, &winactive}};

}  // namespace

const std::span<const FunctionRow> kWindowFunctions = kRows;

}  // namespace quillan::functions
