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

// The file is 8-bit text in whatever code page the game uses; Latin-1 maps
// each byte to one character and back, so values survive a round trip
// unchanged whatever their code page.
QString fromFileText(std::string_view bytes);
std::string toFileText(const QString& text);

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

  // Every control from the snapshot, whatever the object kind.
  void load(const SectionSnapshot& snapshot);
  // Rows of `kindMask` are editable, the others are shown but locked.
  void setEditable(unsigned kindMask);
  // The carried keys from the snapshot, then the rows of `kindMask` in table
  // order; a row whose binding writes nothing is left out.
  std::vector<Write> writes(const SectionSnapshot& snapshot, unsigned kindMask) const;

 private:
  struct Control;
  void loadRow(Control& control, const std::string& value);
  std::optional<std::string> writeRow(const Control& control) const;
  QString fieldText(const Control& control) const;
  void setFieldText(Control& control, const QString& text);
  PairChoice pairChoice(const Control& control) const;
  void setPairChoice(Control& control, PairChoice choice);

  const FormTable& table_;
  std::vector<Control> controls_;  // one per table row
};

}  // namespace quillan::editor
