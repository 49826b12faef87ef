// Builds the control of each key-table row and moves values between the
// controls and a section: load (Reset) fills them from a snapshot, writes()
// says what OK puts into the file. One binder serves every form; the tables
// say what differs.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/BindingRules.h"
#include "editor/KeyTable.h"
#include "editor/TextEncoding.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillan::editor {

class SectionSnapshot;

// Object names by which the controls are found (tests use them too): a
// field, list or pair frame is named after its key; the radio buttons are
// "<key>.yes" and "<key>.no"; prerequisite boxes "Prerequisite.<identifier>".
QString yesButtonName(std::string_view key);
QString noButtonName(std::string_view key);
QString prerequisiteBoxName(std::string_view identifier);
inline constexpr char kOtherPrerequisitesName[] = "Prerequisite.others";

// The texts of the tables (keys, captions, hints, list items): plain ASCII.
// Values read from the file go through the file's TextEncoding instead.
QString tableText(std::string_view text);

class FormBinder {
 public:
  using Write = std::pair<std::string, std::string>;

  explicit FormBinder(const FormTable& table);
  ~FormBinder();
  FormBinder(const FormBinder&) = delete;
  FormBinder& operator=(const FormBinder&) = delete;

  // The control for the row, created once, with its label (null for pairs
  // and groups, whose frame carries the caption).
  struct Placed {
    QWidget* label;
    QWidget* control;
  };
  Placed create(std::size_t rowIndex, QWidget* parent);
  bool isCreated(std::size_t rowIndex) const;

  // How values are read from the file and written to it; set before load.
  void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

  // Every control from the snapshot, whatever the object kind.
  void load(const SectionSnapshot& snapshot);
  // Rows of `kindMask` are editable, the others are shown but locked.
  void setEditable(unsigned kindMask);
  // A character in a control that the file's encoding cannot hold.
  struct Unstorable {
    const KeyRow* row = nullptr;
    QWidget* control = nullptr;
    char32_t character = 0;
  };

  // The carried keys from the snapshot, then the rows of `kindMask` in table
  // order; a row whose binding writes nothing is left out. Nothing at all
  // when a control holds a character the encoding cannot store: `unstorable`
  // then says which (a stand-in character would be written without a word).
  std::optional<std::vector<Write>> writes(const SectionSnapshot& snapshot, unsigned kindMask,
                                           Unstorable* unstorable) const;

 private:
  struct Control;
  void loadRow(Control& control, const std::string& value);
  // As writes(); on a character that cannot be stored, nullopt with
  // `unstorable` set.
  std::optional<std::string> writeRow(const Control& control, char32_t* unstorable) const;
  QString decoded(std::string_view bytes) const { return decodeText(bytes, encoding_); }
  QString fieldText(const Control& control) const;
  void setFieldText(Control& control, const QString& text);
  PairChoice pairChoice(const Control& control) const;
  void setPairChoice(Control& control, PairChoice choice);
  void setPairButtons(Control& control, PairChoice choice);

  const FormTable& table_;
  std::vector<Control> controls_;  // one per table row
  TextEncoding encoding_ = TextEncoding::Windows1252;
};

}  // namespace quillan::editor
