// The interpreter's view of the dialog window. The DIALOG and WAIT commands
// and the dialog functions parse their arguments here, in the interpreter,
// and hand the host finished element descriptions; the Qt layer implements
// the host with real widgets, the tests with a recording double. Until a
// desktop is installed, NoDialog answers for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/ScriptList.h"

namespace quillan::core {

// Element kinds in the order of their names in the packed kind table; each
// has a row in kElementKindRows below.
enum class ElementKind : std::uint8_t {
  Style,
  Button,
  Edit,
  Text,
  DlgType,
  Check,
  Progress,
  Status,
  List,
  Bitmap,
  Popup,
  Radio,
  Combo,
  TaskIcon
};

// A colour of a text style: one of the sixteen named colours, or the
// desktop's button-face colour, whatever it is on this desktop.
struct Colour {
  bool buttonFace = false;
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class Alignment : std::uint8_t { Left, Right, Centre };

struct TextStyle {
  std::string name;  // upper case
  std::string font = "MS Sans Serif";
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
  Alignment alignment = Alignment::Left;
  Colour background{true};
  Colour foreground{};
};

enum class ClickCursor : std::uint8_t { Default, Hand, Cross };

// One element, with every default already applied and every name checked.
// Which fields matter depends on the kind.
struct ElementSpec {
  ElementKind kind = ElementKind::Button;
  std::string name;  // as written; empty when the element is unnamed
  int top = 10, left = 10, width = 0, height = 0;
  std::string text;                // caption, edit text, picture or icon file
  std::string tip;                 // TASKICON
  std::vector<std::string> items;  // RADIO buttons
  std::string selected;            // RADIO: the button to select
  int number = 0;                  // CHECK state, PROGRESS position
  std::vector<TextStyle> styles;   // applied in order
  bool password = false;           // EDIT
  bool sorted = false;             // LIST, COMBO
  bool transparent = false;        // TEXT
  bool clickable = false;          // BITMAP
  bool stretch = false;            // BITMAP
  ClickCursor cursor = ClickCursor::Default;
  bool defaultButton = false;  // the first BUTTON of the dialog
  bool takesFocus = false;     // the first element that can take the focus
};

// --- What each element kind is, and how DIALOG CREATE reads it ----------
// One row per kind, in the order of the ElementKind enum; the Qt layer keeps
// the matching row of widgets and behaviour (runtime/dialog/ElementKinds).

// What a description of the kind makes.
enum class KindShape : std::uint8_t {
  Placed,      // an element on the window: name, top, left, width, height, then its fields
  StatusBar,   // STATUS: name, text, style; along the foot of the window
  TrayIcon,    // TASKICON: name, icon file, tip; in the notification area
  Styles,      // STYLE: text styles for later elements
  DialogType,  // DLGTYPE: styles of the window
  PopupMenu,   // POPUP: the items of the popup menu
};

// What a placed kind reads after its fields.
enum class KindOptions : std::uint8_t {
  None,
  OneStyle,      // one field: a style name, or the kind's keyword
  Styles,        // every field left: style names, or the kind's keyword
  BitmapOptions  // every field left: CLICK, HAND, CROSS, STRETCH
};

// A default size: pixels plus a number of one-line heights.
struct KindSize {
  int pixels = 0;
  int lines = 0;
  constexpr int at(int lineHeight) const { return pixels + lines * lineHeight; }
};

struct ElementKindRow {
  ElementKind kind;
  KindShape shape;
  KindSize width, height;  // Placed: used when the description leaves them empty
  // The fields a placed kind reads after its place, in this order.
  bool text = false;    // a caption, edit text or picture file
  bool number = false;  // CHECK's state, PROGRESS's position
  bool items = false;   // RADIO: "a|b|c" and the item selected; a height left 0 fits them
  KindOptions options = KindOptions::None;
  std::string_view keyword{};         // a word the options take besides style names...
  bool ElementSpec::*flag = nullptr;  // ...and the flag it sets
  bool captionFromName = false;       // an empty caption is the element's name
  bool defaultButton = false;         // the dialog's first of the kind is its default button
  bool takesFocus = false;            // the dialog's first such element has the focus
};

// clang-format off
inline constexpr ElementKindRow kElementKindRows[] = {
    {.kind = ElementKind::Style, .shape = KindShape::Styles},
    {.kind = ElementKind::Button, .shape = KindShape::Placed, .width = {64}, .height = {24}, .text = true,
     .options = KindOptions::OneStyle, .captionFromName = true, .defaultButton = true, .takesFocus = true},
    {.kind = ElementKind::Edit, .shape = KindShape::Placed, .width = {180}, .height = {0, 1}, .text = true,
     .options = KindOptions::Styles, .keyword = "PASSWORD", .flag = &ElementSpec::password, .takesFocus = true},
    {.kind = ElementKind::Text, .shape = KindShape::Placed, .width = {0}, .height = {0, 1}, .text = true,
     .options = KindOptions::OneStyle, .keyword = "TRANSPARENT", .flag = &ElementSpec::transparent},
    {.kind = ElementKind::DlgType, .shape = KindShape::DialogType},
    {.kind = ElementKind::Check, .shape = KindShape::Placed, .width = {180}, .height = {0, 1}, .text = true,
     .number = true, .options = KindOptions::OneStyle, .takesFocus = true},
    {.kind = ElementKind::Progress, .shape = KindShape::Placed, .width = {180}, .height = {24}, .number = true},
    {.kind = ElementKind::Status, .shape = KindShape::StatusBar},
    {.kind = ElementKind::List, .shape = KindShape::Placed, .width = {180}, .height = {0, 8},
     .options = KindOptions::Styles, .keyword = "SORTED", .flag = &ElementSpec::sorted, .takesFocus = true},
    {.kind = ElementKind::Bitmap, .shape = KindShape::Placed, .width = {0}, .height = {0}, .text = true,
     .options = KindOptions::BitmapOptions},
    {.kind = ElementKind::Popup, .shape = KindShape::PopupMenu},
    {.kind = ElementKind::Radio, .shape = KindShape::Placed, .width = {80}, .height = {0}, .text = true,
     .items = true, .options = KindOptions::OneStyle, .takesFocus = true},
    {.kind = ElementKind::Combo, .shape = KindShape::Placed, .width = {180}, .height = {0, 1}, .text = true,
     .options = KindOptions::Styles, .keyword = "SORTED", .flag = &ElementSpec::sorted, .takesFocus = true},
    {.kind = ElementKind::TaskIcon, .shape = KindShape::TrayIcon, .takesFocus = true},
};
// clang-format on

inline constexpr std::size_t kElementKindCount = std::size(kElementKindRows);

constexpr const ElementKindRow& kindRow(ElementKind kind) { return kElementKindRows[static_cast<std::size_t>(kind)]; }

constexpr bool kindRowsInEnumOrder() {
  for (std::size_t i = 0; i < kElementKindCount; ++i)
    if (static_cast<std::size_t>(kElementKindRows[i].kind) != i) return false;
  return kElementKindRows[kElementKindCount - 1].kind == ElementKind::TaskIcon;
}
static_assert(kindRowsInEnumOrder(), "one row per element kind, in the order of the enum");

struct DialogFrame {
  std::string title;
  int top = 0, left = 0, width = 0, height = 0;  // top < 0 centres the window
};

enum class DialogStyle : std::uint8_t { DragDrop, OnTop, SmallCaption, SavePosition };

enum class CreateResult : std::uint8_t {
  Created,
  Refused,        // the window refused the element (a name already taken)
  IconNotLoaded,  // TASKICON: its icon file could not be read
};

enum class ElementResult : std::uint8_t {
  Done,
  NoElement,    // no element of that name
  Unsupported,  // the element's kind has no such operation
};

enum class ElementAction : std::uint8_t { Focus, Hide, Show, Enable, Disable };

// What a round of WAIT EVENT that found the event slot empty led to.
enum class IdleOutcome : std::uint8_t {
  Waiting,  // nothing happened; a person may still act
  Acted,    // an unattended user action was performed
  Stuck,    // unattended and no action left: no event can ever come
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // --- The dialog's lifetime -------------------------------------------
  // True from a successful DIALOG CREATE until the window closes.
  virtual bool exists() const = 0;
  // The height of one-line elements on this screen.
  virtual int lineHeight() const { return 18; }
  // Creates the window (not shown yet) with fresh per-dialog state. False
  // when there is no desktop to create it on.
  virtual bool beginDialog(const DialogFrame& frame) = 0;
  virtual CreateResult addElement(const ElementSpec& spec) = 0;
  virtual void addDialogStyle(DialogStyle style) = 0;
  // Replaces the popup menu; an item's event is its caption.
  virtual void setPopupMenu(const std::vector<std::string>& captions) = 0;
  // Shows the window built since beginDialog; the dialog then exists.
  virtual void showDialog() = 0;
  // Destroys the window built since beginDialog without showing it.
  virtual void abandonDialog() = 0;
  // Asks the window to close as the script does: the close is accepted.
  virtual void close() = 0;

  // --- Elements ----------------------------------------------------------
  // Gives the element of that name the value; false when there is no such
  // element. A BITMAP sets the success flag to whether its picture loaded.
  virtual bool setElement(std::string_view name, std::string_view value) = 0;
  // The element's value; Unsupported for the kinds that have none to read.
  virtual ElementResult readElement(std::string_view name, std::string& value) = 0;
  // selectedOnly: a LIST loses only its selected item.
  virtual ElementResult clearElement(std::string_view name, bool selectedOnly) = 0;
  // False when there is no element of that name.
  virtual bool actOnElement(std::string_view name, ElementAction action) = 0;
  virtual void setTitle(std::string_view title) = 0;
  // Pops the popup menu up at the mouse, if the dialog has one.
  virtual void popupMenu() = 0;
  // The LIST or COMBO element of that name (ignoring case) as a list for
  // the LIST command; null without a shown dialog or such an element. It
  // stays valid while the element lives.
  virtual ScriptList* listElement(std::string_view name) {
    (void)name;
    return nullptr;
  }

  // --- Choosing a file or a folder, in a dialog the window owns -----------
  // filter: pairs of a description and a pattern (or several, separated
  // by ";"), all separated by "|". True when the user chose; path is then
  // the chosen file's full name. Nothing can be chosen by default.
  virtual bool chooseFile(std::string_view filter, std::string_view title, std::string& path) {
    (void)filter, (void)title, (void)path;
    return false;
  }
  virtual bool chooseDirectory(std::string_view title, std::string& path) {
    (void)title, (void)path;
    return false;
  }

  // --- The mouse cursor --------------------------------------------------
  // wait: the hourglass for the whole application; otherwise the default.
  virtual void setWaitCursor(bool wait) = 0;
  // Puts the mouse cursor back to the arrow after a script ends.
  virtual void restoreCursor() = 0;

  // --- Waiting -----------------------------------------------------------
  // WAIT measures and spends its time through the host, so tests can run
  // it on a clock of their own.
  // Milliseconds; only differences count, taken modulo 2^64.
  virtual std::int64_t tickCount() = 0;
  virtual void pause(int milliseconds) = 0;
  virtual IdleOutcome idle() { return IdleOutcome::Waiting; }
  // Records that the run gave up waiting (unattended, nothing left to do).
  virtual void reportStuck() {}
};

// No desktop: nothing can be shown and no event can come. Nothing can
// happen during a wait either, so its clock leaps far ahead at every pause
// (wrapping around, which WAIT's unsigned arithmetic allows): every time
// limit runs out in the first round, and no wait costs real time.
class NoDialog final : public DialogHost {
 public:
  static NoDialog& instance() {
    static NoDialog none;
    return none;
  }
  bool exists() const override { return false; }
  bool beginDialog(const DialogFrame&) override { return false; }
  CreateResult addElement(const ElementSpec&) override { return CreateResult::Refused; }
  void addDialogStyle(DialogStyle) override {}
  void setPopupMenu(const std::vector<std::string>&) override {}
  void showDialog() override {}
  void abandonDialog() override {}
  void close() override {}
  bool setElement(std::string_view, std::string_view) override { return false; }
  ElementResult readElement(std::string_view, std::string&) override { return ElementResult::NoElement; }
  ElementResult clearElement(std::string_view, bool) override { return ElementResult::NoElement; }
  bool actOnElement(std::string_view, ElementAction) override { return false; }
  void setTitle(std::string_view) override {}
  void popupMenu() override {}
  void setWaitCursor(bool) override {}
  void restoreCursor() override {}
  std::int64_t tickCount() override { return static_cast<std::int64_t>(ticks_); }
  void pause(int) override { ticks_ += std::uint64_t{1} << 42; }  // beyond any 32-bit count of seconds
  IdleOutcome idle() override { return IdleOutcome::Stuck; }

 private:
  std::uint64_t ticks_ = 0;
};

}  // namespace quillan::core
