// Keystroke codes for the text that WINDOW sends to other windows: single
// characters 228-255 stand for the function keys, the cursor block and
// presses and releases of Shift, Ctrl and Alt.
#include <string_view>

#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

constexpr int kFirstFunctionKey = 228;  // F1; F12 is 239
constexpr int kFirstNamedKey = 240;     // HOME
constexpr char kShiftDown = '\xFA', kShiftUp = '\xFB';
constexpr char kCtrlDown = '\xFC', kCtrlUp = '\xFD';
constexpr char kAltDown = '\xFE', kAltUp = '\xFF';

// Ten five-character slots; a name's slot is its first position div 5, and
// a name that does not occur falls into the first slot.
constexpr std::string_view kKeyNames = "HOME END  UP   DOWN LEFT RIGHTPGUP PGDN INS  DEL  ";

void key(Runtime& rt, std::string& result) {
  std::string name = core::nextArgument(rt);
  core::upperAsciiInPlace(name);
  int code = 0;
  if (name.size() >= 2 && name.front() == 'F') {
    const std::int32_t n = integerRule(std::string_view(name).substr(1, 2));
    // Only F1 to F12 have codes; F0 or a negative number would otherwise
    // land on ordinary characters below 228 and type them.
    if (n < 1 || n > 12) {
      rt.fail(core::kBadValue);
      return;
    }
    code = kFirstFunctionKey + n - 1;
  } else {
    code = kFirstNamedKey + core::packedPosition(kKeyNames, name) / 5;
  }
  result.assign(1, static_cast<char>(code));
}

template <char down, char up>
void held(Runtime& rt, std::string& result) {
  result = down;
  result += core::nextArgument(rt);
  result += up;
}

constexpr FunctionRow kRows[] = {{Function::Key, &key},
                                 {Function::Shift, &held<kShiftDown, kShiftUp>},
                                 {Function::Ctrl, &held<kCtrlDown, kCtrlUp>},
                                 {Function::Alt, &held<kAltDown, kAltUp>}};

}  // namespace

const std::span<const FunctionRow> kKeyFunctions = kRows;

}  // namespace quillan::functions
