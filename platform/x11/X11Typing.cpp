// Typing through XTest: each key is found in the current keyboard map by
// its keysym; a keysym the map lacks (or has only behind AltGr and the
// like) is bound to a free keycode while the text is typed, and the map is
// put back afterwards.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <thread>

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowAutomation.h"

namespace quillan::x11 {

namespace {

// SEND waits this long for the window to become the active one.
constexpr int kActivationMilliseconds = 1000;
// A client reads a changed keyboard map only when it handles the change,
// after the keys that use it have been sent; the binding stays this long.
constexpr int kRebindSettleMilliseconds = 200;

struct KeyRow {
  os::Key key;
  KeySym keysym;
};
// In the order of os::Key.
constexpr KeyRow kKeys[] = {
    {os::Key::Cancel, XK_Cancel},
    {os::Key::BackSpace, XK_BackSpace},
    {os::Key::Tab, XK_Tab},
    {os::Key::Clear, XK_Clear},
    {os::Key::Return, XK_Return},
    {os::Key::Shift, XK_Shift_L},
    {os::Key::Control, XK_Control_L},
    {os::Key::Alt, XK_Alt_L},
    {os::Key::Pause, XK_Pause},
    {os::Key::CapsLock, XK_Caps_Lock},
    {os::Key::Escape, XK_Escape},
    {os::Key::Convert, XK_Henkan},
    {os::Key::NonConvert, XK_Muhenkan},
    {os::Key::ModeChange, XK_Mode_switch},
    {os::Key::F1, XK_F1},
    {os::Key::F2, XK_F2},
    {os::Key::F3, XK_F3},
    {os::Key::F4, XK_F4},
    {os::Key::F5, XK_F5},
    {os::Key::F6, XK_F6},
    {os::Key::F7, XK_F7},
    {os::Key::F8, XK_F8},
    {os::Key::F9, XK_F9},
    {os::Key::F10, XK_F10},
    {os::Key::F11, XK_F11},
    {os::Key::F12, XK_F12},
    {os::Key::Home, XK_Home},
    {os::Key::End, XK_End},
    {os::Key::Up, XK_Up},
    {os::Key::Down, XK_Down},
    {os::Key::Left, XK_Left},
    {os::Key::Right, XK_Right},
    {os::Key::PageUp, XK_Prior},
    {os::Key::PageDown, XK_Next},
    {os::Key::Insert, XK_Insert},
    {os::Key::Delete, XK_Delete},
};

// Latin-1 characters are their own keysyms; the control range 127-159 has
// none and is not typed.
KeySym keysymForCharacter(unsigned char character) {
  if ((character >= 0x20 && character <= 0x7E) || character >= 0xA0) return character;
  return NoSymbol;
}

}  // namespace

void X11WindowAutomation::loadKeyboardMap() {
  Display* display = x_->display;
  chords_.clear();
  spareKeys_.clear();
  int minKey = 0, maxKey = 0;
  XDisplayKeycodes(display, &minKey, &maxKey);
  int per = 0;
  KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(minKey), maxKey - minKey + 1, &per);
  keysymsPerKeycode_ = per;
  if (map == nullptr) return;
  const auto symAt = [&](int keycode, int column) { return map[(keycode - minKey) * per + column]; };
  // The first level of any key wins over the second level of another.
  for (const int column : {0, 1}) {
    if (column >= per) break;
    for (int keycode = minKey; keycode <= maxKey; ++keycode) {
      KeySym keysym = symAt(keycode, column);
      if (column == 1 && keysym == NoSymbol) {
        // A letter listed once has its capital on the second level.
        KeySym lower = NoSymbol, upper = NoSymbol;
        XConvertCase(symAt(keycode, 0), &lower, &upper);
        if (upper != lower) keysym = upper;
      }
      if (keysym != NoSymbol) chords_.try_emplace(keysym, Chord{static_cast<unsigned>(keycode), column == 1});
    }
  }
  for (int keycode = maxKey; keycode >= minKey; --keycode) {
    bool empty = true;
    for (int column = 0; column < per; ++column) empty = empty && symAt(keycode, column) == NoSymbol;
    if (empty) spareKeys_.push_back(static_cast<unsigned>(keycode));
  }
  XFree(map);
}

unsigned X11WindowAutomation::bindSpareKey(unsigned long keysym) {
  if (spareKeys_.empty() || keysymsPerKeycode_ < 1) return 0;
  const unsigned keycode = spareKeys_.back();
  spareKeys_.pop_back();
  boundKeys_.push_back(keycode);
  // Both levels, so a held Shift types the same character.
  std::vector<KeySym> syms(static_cast<std::size_t>(keysymsPerKeycode_), NoSymbol);
  syms[0] = keysym;
  if (syms.size() > 1) syms[1] = keysym;
  XChangeKeyboardMapping(x_->display, static_cast<int>(keycode), keysymsPerKeycode_, syms.data(), 1);
  XSync(x_->display, False);
  return keycode;
}

X11WindowAutomation::Chord X11WindowAutomation::chordFor(unsigned long keysym) {
  const auto found = chords_.find(keysym);
  if (found != chords_.end()) return found->second;
  const Chord bound{bindSpareKey(keysym), false};
  if (bound.keycode != 0) chords_.emplace(keysym, bound);
  return bound;
}

void X11WindowAutomation::pressAndRelease(unsigned keycode) {
  if (keycode == 0) return;
  XTestFakeKeyEvent(x_->display, keycode, True, CurrentTime);
  XTestFakeKeyEvent(x_->display, keycode, False, CurrentTime);
}

void X11WindowAutomation::beginTyping(os::WindowId window) {
  if (!connected()) return;
  activate(window);
  waitUntil([&] { return activeClient() == window; }, kActivationMilliseconds);
  loadKeyboardMap();
}

bool X11WindowAutomation::needsModifier(unsigned char character) {
  const KeySym keysym = keysymForCharacter(character);
  if (!x_ || !x_->typing || keysym == NoSymbol) return false;
  return chordFor(keysym).shifted;
}

void X11WindowAutomation::typeCharacter(unsigned char character) {
  const KeySym keysym = keysymForCharacter(character);
  if (!x_ || !x_->typing || keysym == NoSymbol) return;
  pressAndRelease(chordFor(keysym).keycode);
}

void X11WindowAutomation::keyEvent(os::Key key, bool down) {
  if (!x_ || !x_->typing) return;
  const unsigned keycode = chordFor(kKeys[static_cast<int>(key)].keysym).keycode;
  if (keycode != 0) XTestFakeKeyEvent(x_->display, keycode, down ? True : False, CurrentTime);
}

void X11WindowAutomation::flushKeys() {
  if (x_) XFlush(x_->display);
}

void X11WindowAutomation::endTyping() {
  if (!x_) return;
  Display* display = x_->display;
  XSync(display, False);
  if (boundKeys_.empty()) return;
  waitUntil([] { return false; }, kRebindSettleMilliseconds);
  std::vector<KeySym> none(static_cast<std::size_t>(keysymsPerKeycode_), NoSymbol);
  for (const unsigned keycode : boundKeys_)
    XChangeKeyboardMapping(display, static_cast<int>(keycode), keysymsPerKeycode_, none.data(), 1);
  boundKeys_.clear();
  chords_.clear();
  XSync(display, False);
}

}  // namespace quillan::x11
