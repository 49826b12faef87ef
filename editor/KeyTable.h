// The vocabulary in which the editor forms are described: each form is a
// table of rows, one per key, saying how a control stands for the key, and a
// screen arrangement naming which keys stand in which block. SectionForm
// builds the controls from a table and FormBinder loads and writes them, so a
// form is data, not code.
#pragma once

#include <span>
#include <string_view>

namespace quillan::editor {

// How one control stands for one key.
enum class Binding {
  // Edit box (or editable drop-down when the row has a list). Absent shows
  // the default; written only when the text differs from it (exact compare).
  DefaultedField,
  // Edit box. Absent shows the default; always written, empty included.
  AlwaysField,
  // Edit box. Absent shows nothing; always written.
  PlainField,
  // Two radio buttons "Yes"/"No" with a default; only a departure from the
  // default is written.
  Pair,
  // The same two radio buttons without a default; always written.
  ForcedPair,
  // Edit box whose tooltip holds the comment after the value's ";".
  CommentField,
  // Check boxes, one per building identifier, joined with ",".
  Prerequisites,
};

// Which object kinds a row of the units form belongs to. Rows of the other
// forms belong to every kind, which is the same as ignoring the kind.
enum KindMask : unsigned {
  kInfantryRows = 1u << 0,
  kVehicleRows = 1u << 1,
  kBuildingRows = 1u << 2,
  kCommonRows = kInfantryRows | kVehicleRows | kBuildingRows,
};

// Object kinds as the catalogue hands them over; the numbers are those the
// main window has always used, so they stay.
enum ObjectKind : int { kInfantry = 0, kVehicle = 2, kBuilding = 3 };

// The mask of rows that the given object kind edits and writes.
constexpr unsigned rowsOfKind(int kind) {
  switch (kind) {
    case kInfantry:
      return kInfantryRows;
    case kVehicle:
      return kVehicleRows;
    case kBuilding:
      return kBuildingRows;
    default:
      return 0;
  }
}

inline constexpr std::string_view kYes = "yes";
inline constexpr std::string_view kNo = "no";

struct KeyRow {
  std::string_view key;       // the name written, and the control's object name
  std::string_view readName;  // the name read, when it is spelt otherwise
  Binding binding;
  std::string_view defaultValue;                // fields: default text; Pair: kYes or kNo
  std::string_view label;                       // caption on screen; empty means the key
  std::string_view hint;                        // tooltip; empty means none
  std::span<const std::string_view> list = {};  // drop-down items
  unsigned kinds = kCommonRows;
  bool alwaysReadOnly = false;  // shown, never editable

  constexpr std::string_view nameToRead() const { return readName.empty() ? key : readName; }
  constexpr std::string_view caption() const { return label.empty() ? key : label; }
};

// One block of the screen: the keys shown in it, top to bottom, placed in a
// grid of blocks. Fields get their label beside them; pairs are framed.
struct ScreenBlock {
  int row;
  int column;
  std::span<const std::string_view> keys;
  int rowSpan = 1;
  int columnSpan = 1;
};

struct ButtonHints {
  std::string_view ok;
  std::string_view cancel;
  std::string_view reset;
};

struct FormTable {
  std::string_view className;                     // object name of the form window
  std::string_view initialTitle;                  // until the catalogue names the object
  std::span<const std::string_view> carriedKeys;  // written back as read
  std::span<const KeyRow> rows;                   // in the order OK writes them
  std::span<const ScreenBlock> screen;
  ButtonHints hints;
  bool usesObjectKind = false;
  bool staysOnTop = false;
  // Buttons stacked under the last block instead of in a row below all.
  bool buttonsBesideBlocks = false;
};

// The check boxes of the Prerequisites binding, in the order they are
// shown and written.
struct PrerequisiteFlag {
  std::string_view identifier;
  std::string_view caption;
};

}  // namespace quillan::editor
