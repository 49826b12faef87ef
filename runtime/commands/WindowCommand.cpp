// WINDOW: acts on another top-level window found by its title or class:
// shows it in another way, moves it, closes it, types keys into it or sends
// it a message. A window that is not found is no error; only the success
// flag tells it (MESSAGE leaves even that alone).
#include <optional>

#include "runtime/commands/WindowCommands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionSupport.h"
#include "runtime/functions/NumberText.h"
#include "runtime/functions/WindowSearch.h"

namespace quillan::commands {

using core::Runtime;
using os::Key;

namespace {

using A = WindowAction;
constexpr core::KeywordRow<WindowAction> kActionRows[] = {
    {1, A::Activate}, {9, A::Maximize}, {17, A::Iconize}, {24, A::Normal}, {30, A::Position},
    {36, A::OnTop},   {41, A::Close},   {44, A::Send},    {48, A::Hide},   {52, A::Message}};

}  // namespace

const core::KeywordTable<WindowAction> kWindowActions{"ACTIVATEMAXIMIZEICONIZENORMALPOSITIONTOPCLOSENDHIDEMESSAGE",
                                                      kActionRows};

// --- The key text ----------------------------------------------------------

namespace {

constexpr unsigned char kFirstModifierCode = 250;  // Shift down; 251 up, then Ctrl, then Alt
constexpr unsigned char kFirstFunctionKeyCode = 228;
constexpr unsigned char kFirstCharacterCode = 32;

struct ControlKeyRow {
  unsigned char code;
  Key key;
};
// The codes below 32 that stand for a key of their own; the others have no
// key here and are skipped.
constexpr ControlKeyRow kControlKeys[] = {
    {3, Key::Cancel},  {8, Key::BackSpace}, {9, Key::Tab},         {12, Key::Clear},     {13, Key::Return},
    {16, Key::Shift},  {17, Key::Control},  {18, Key::Alt},        {19, Key::Pause},     {20, Key::CapsLock},
    {27, Key::Escape}, {28, Key::Convert},  {29, Key::NonConvert}, {31, Key::ModeChange}};
constexpr Key kModifierKeys[] = {Key::Shift, Key::Control, Key::Alt};

}  // namespace

std::optional<Key> keyForCode(unsigned char code) {
  if (code < kFirstCharacterCode) {
    for (const auto& row : kControlKeys)
      if (row.code == code) return row.key;
    return std::nullopt;
  }
  // 228-249 are F1 to F12 and then HOME to DEL, in the order of os::Key.
  if (code >= kFirstFunctionKeyCode && code < kFirstModifierCode)
    return static_cast<Key>(static_cast<int>(Key::F1) + (code - kFirstFunctionKeyCode));
  return std::nullopt;
}

void typeKeyText(Runtime& rt, os::WindowAutomation& windows, std::string_view text) {
  bool modifierHeld = false;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= kFirstModifierCode) {
      const int offset = code - kFirstModifierCode;
      const bool down = offset % 2 == 0;
      windows.keyEvent(kModifierKeys[offset / 2], down);
      modifierHeld = down;
    } else if (code >= kFirstCharacterCode && code < kFirstFunctionKeyCode) {
      // Whatever modifier the map asks for, Shift is what is held: the
      // key text has no other way to say it.
      const bool addShift = !modifierHeld && windows.needsModifier(code);
      if (addShift) windows.keyEvent(Key::Shift, true);
      windows.typeCharacter(code);
      if (addShift) windows.keyEvent(Key::Shift, false);
    } else if (const auto key = keyForCode(code)) {
      windows.keyEvent(*key, true);
      windows.keyEvent(*key, false);
    } else {
      continue;
    }
    if (rt.settings.skDelay > 0) {
      windows.flushKeys();
      rt.dialog->pause(rt.settings.skDelay);
      if (rt.os.ui != nullptr) rt.os.ui->processMessages();
    } else if (rt.os.ui != nullptr) {
      rt.os.ui->processMessagesIfDue();
    }
  }
}

namespace {

// --- POSITION ----------------------------------------------------------------

// The integer rule, except that a text that is no number gives -1: "keep".
std::int32_t positionField(Runtime& rt) {
  bool valid = false;
  const std::int32_t value = functions::integerRule(core::nextField(rt), valid);
  return valid ? value : -1;
}

void position(Runtime& rt, std::string_view designation) {
  std::int32_t numbers[4];  // top, left, width, height
  for (std::int32_t& number : numbers) {
    number = positionField(rt);
    if (rt.error != 0) return;
  }
  const auto [top, left, width, height] = numbers;
  const os::WindowId window = functions::findWindow(rt, designation);
  os::WindowPlacement now;
  if (window == os::kNoWindow || !rt.os.windows->placement(window, now)) {
    rt.success = false;
    return;
  }
  os::WindowRect rect = now.rect;
  if (width >= 1) rect.width = width;
  if (height >= 1) rect.height = height;
  if (top >= 0) rect.top = top;
  if (left >= 0) rect.left = left;
  rt.os.windows->place(window, rect);
  rt.success = true;
}

// --- SEND and MESSAGE ----------------------------------------------------------

void send(Runtime& rt, std::string_view designation) {
  const std::string keys = core::requiredField(rt);
  if (rt.error != 0) return;
  const os::WindowId window = functions::findWindow(rt, designation);
  rt.success = window != os::kNoWindow;
  if (!rt.success) return;
  os::WindowAutomation& windows = *rt.os.windows;
  windows.beginTyping(window);
  typeKeyText(rt, windows, keys);
  windows.endTyping();
}

bool isBroadcast(std::string_view designation) { return functions::equalIgnoringCase(designation, "BROADCAST"); }

void message(Runtime& rt, std::string_view designation) {
  if (rt.os.windows == nullptr) return;
  os::WindowId window = os::kNoWindow;
  if (!isBroadcast(designation)) {
    window = functions::findWindow(rt, designation);
    if (window == os::kNoWindow) return;
  }
  const std::int32_t number = functions::integerRule(core::nextField(rt));
  const std::int32_t wparam = functions::integerRule(core::fieldOr(rt, "0"));
  const std::int32_t lparam = functions::integerRule(core::fieldOr(rt, "0"));
  if (rt.error != 0) return;
  rt.os.windows->sendMessage(window, static_cast<std::uint16_t>(number), static_cast<std::uint16_t>(wparam),
                             static_cast<std::uint32_t>(lparam));
}

// --- The operations that take no more arguments ---------------------------------

void simpleAction(Runtime& rt, WindowAction action, std::string_view designation) {
  const os::WindowId window = functions::findWindow(rt, designation);
  rt.success = window != os::kNoWindow;
  if (!rt.success) return;
  os::WindowAutomation& windows = *rt.os.windows;
  switch (action) {
    case A::Activate:
      windows.activate(window);
      return;
    case A::Maximize:
      windows.change(window, os::WindowChange::Maximize);
      return;
    case A::Iconize:
      windows.change(window, os::WindowChange::Iconize);
      return;
    case A::Normal:
      windows.change(window, os::WindowChange::Normal);
      return;
    case A::OnTop:
      windows.change(window, os::WindowChange::OnTop);
      return;
    case A::Hide:
      windows.change(window, os::WindowChange::Hide);
      return;
    case A::Close:
      windows.close(window);
      return;
    case A::Position:
    case A::Send:
    case A::Message:
      return;
  }
}

void windowCommand(Runtime& rt) {
  std::string word = core::requiredField(rt);
  const std::string designation = core::requiredField(rt);
  core::upperAsciiInPlace(word);
  const auto* row = kWindowActions.find(word);
  if (row == nullptr) rt.failUnlessSet(core::kUnknownWord);
  if (rt.error != 0) return;
  switch (row->entry) {
    case A::Position:
      position(rt, designation);
      return;
    case A::Send:
      send(rt, designation);
      return;
    case A::Message:
      message(rt, designation);
      return;
    default:
      simpleAction(rt, row->entry, designation);
      return;
  }
}

constexpr core::CommandRow kRows[] = {{core::Command::Window, &windowCommand}};

}  // namespace

const std::span<const core::CommandRow> kWindowCommands = kRows;

}  // namespace quillan::commands
