#include "editor/FormBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/EditorTexts.h"
#include "editor/FormTables.h"
#include "editor/SectionSnapshot.h"

namespace quillan::editor {

QString tableText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString yesButtonName(std::string_view key) { return tableText(key) + ".yes"; }
QString noButtonName(std::string_view key) { return tableText(key) + ".no"; }
QString prerequisiteBoxName(std::string_view identifier) { return "Prerequisite." + tableText(identifier); }

struct FormBinder::Control {
  const KeyRow* row = nullptr;
  QLabel* label = nullptr;
  QLineEdit* edit = nullptr;
  QComboBox* combo = nullptr;
  QGroupBox* frame = nullptr;
  QRadioButton* yes = nullptr;
  QRadioButton* no = nullptr;
  std::vector<QCheckBox*> boxes;
  QLabel* others = nullptr;
  std::vector<std::string> otherPieces;

  QWidget* widget() const {
    if (frame) return frame;
    if (combo) return combo;
    return edit;
  }
};

FormBinder::FormBinder(const FormTable& table) : table_(table), controls_(table.rows.size()) {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].row = &table.rows[i];
}

FormBinder::~FormBinder() = default;

bool FormBinder::isCreated(std::size_t rowIndex) const { return controls_.at(rowIndex).widget() != nullptr; }

namespace {

// A pair is one stop of the Tab chain, on the chosen button (on Yes while
// neither is chosen); the arrow keys move between the two.
void keepTabStopOnChoice(QRadioButton* yes, QRadioButton* no) {
  const bool onNo = no->isChecked();
  yes->setFocusPolicy(onNo ? Qt::ClickFocus : Qt::StrongFocus);
  no->setFocusPolicy(onNo ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

FormBinder::Placed FormBinder::create(std::size_t rowIndex, QWidget* parent) {
  Control& c = controls_.at(rowIndex);
  const KeyRow& row = *c.row;
  const QString key = tableText(row.key);
  const QString hint = tableText(row.hint);

  switch (row.binding) {
    case Binding::DefaultedField:
    case Binding::AlwaysField:
    case Binding::PlainField:
    case Binding::CommentField: {
      c.label = new QLabel(tableText(row.caption()), parent);
      c.label->setObjectName(key + "Label");
      if (row.list.empty()) {
        c.edit = new QLineEdit(parent);
        c.edit->setObjectName(key);
        c.edit->setToolTip(hint);
        c.label->setBuddy(c.edit);
      } else {
        c.combo = new QComboBox(parent);
        c.combo->setObjectName(key);
        c.combo->setEditable(true);
        // Typed text is what is written; it must not join the list, and the
        // completer must not fold "None" into the list's "none" when the user
        // presses Enter, since the two are written differently.
        c.combo->setInsertPolicy(QComboBox::NoInsert);
        c.combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
        for (std::string_view item : row.list) c.combo->addItem(tableText(item));
        c.combo->setToolTip(hint);
        c.label->setBuddy(c.combo);
      }
      return {c.label, c.widget()};
    }
    case Binding::Pair:
    case Binding::ForcedPair: {
      c.frame = new QGroupBox(tableText(row.caption()), parent);
      c.frame->setObjectName(key);
      c.frame->setToolTip(hint);
      auto* layout = new QHBoxLayout(c.frame);
      layout->setContentsMargins(6, 2, 6, 2);
      c.yes = new QRadioButton(texts::kYesCaption, c.frame);
      c.yes->setObjectName(yesButtonName(row.key));
      c.no = new QRadioButton(texts::kNoCaption, c.frame);
      c.no->setObjectName(noButtonName(row.key));
      layout->addWidget(c.yes);
      layout->addWidget(c.no);
      QRadioButton* yes = c.yes;
      QRadioButton* no = c.no;
      for (QRadioButton* button : {yes, no}) {
        QObject::connect(button, &QRadioButton::toggled, button, [yes, no] { keepTabStopOnChoice(yes, no); });
      }
      layout->addStretch();
      return {nullptr, c.frame};
    }
    case Binding::Prerequisites: {
      c.frame = new QGroupBox(tableText(row.caption()), parent);
      c.frame->setObjectName(key);
      c.frame->setToolTip(hint);
      auto* layout = new QVBoxLayout(c.frame);
      for (const PrerequisiteFlag& flag : prerequisiteFlags()) {
        auto* box = new QCheckBox(tableText(flag.caption), c.frame);
        box->setObjectName(prerequisiteBoxName(flag.identifier));
        layout->addWidget(box);
        c.boxes.push_back(box);
      }
      c.others = new QLabel(c.frame);
      c.others->setObjectName(kOtherPrerequisitesName);
      c.others->setToolTip(texts::kOtherPrerequisitesHint);
      c.others->setWordWrap(true);
      c.others->hide();
      layout->addWidget(c.others);
      return {nullptr, c.frame};
    }
  }
  return {nullptr, nullptr};
}

QString FormBinder::fieldText(const Control& c) const { return c.combo ? c.combo->currentText() : c.edit->text(); }

void FormBinder::setFieldText(Control& c, const QString& text) {
  if (!c.combo) {
    c.edit->setText(text);
    return;
  }
  // Select the list item when the text is one (so the drop-down shows it
  // highlighted); otherwise show the text as typed.
  const int index = c.combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  c.combo->setCurrentIndex(index);
  if (index < 0) c.combo->setEditText(text);
}

PairChoice FormBinder::pairChoice(const Control& c) const {
  if (c.yes->isChecked()) return PairChoice::Yes;
  if (c.no->isChecked()) return PairChoice::No;
  return PairChoice::None;
}

void FormBinder::setPairChoice(Control& c, PairChoice choice) {
  setPairButtons(c, choice);
  keepTabStopOnChoice(c.yes, c.no);
}

void FormBinder::setPairButtons(Control& c, PairChoice choice) {
  if (choice == PairChoice::None) {
    // Radio buttons refuse to be unchecked while they exclude each other.
    c.yes->setAutoExclusive(false);
    c.no->setAutoExclusive(false);
    c.yes->setChecked(false);
    c.no->setChecked(false);
    c.yes->setAutoExclusive(true);
    c.no->setAutoExclusive(true);
    return;
  }
  (choice == PairChoice::Yes ? c.yes : c.no)->setChecked(true);
}

void FormBinder::loadRow(Control& c, const std::string& value) {
  const KeyRow& row = *c.row;
  switch (row.binding) {
    case Binding::DefaultedField:
    case Binding::AlwaysField:
      setFieldText(c, value.empty() ? tableText(row.defaultValue) : decoded(value));
      break;
    case Binding::PlainField:
      setFieldText(c, decoded(value));
      break;
    case Binding::CommentField:
      if (value.empty()) {
        // The comment of an absent key is unknown; the field keeps the one
        // it last showed.
        setFieldText(c, tableText(row.defaultValue));
      } else {
        const CommentedValue parts = splitComment(value);
        setFieldText(c, decoded(parts.text));
        c.edit->setToolTip(decoded(parts.comment));
      }
      break;
    case Binding::Pair:
      setPairChoice(c, readPair(value, row.defaultValue));
      break;
    case Binding::ForcedPair:
      setPairChoice(c, readForcedPair(value));
      break;
    case Binding::Prerequisites: {
      const PrerequisiteState state = readPrerequisites(value, prerequisiteFlags());
      for (std::size_t i = 0; i < c.boxes.size(); ++i) c.boxes[i]->setChecked(state.ticked[i]);
      c.otherPieces = state.others;
      QStringList shown;
      for (const auto& piece : c.otherPieces) shown << decoded(piece);
      c.others->setText(QString(texts::kOtherPrerequisites).arg(shown.join(',')));
      c.others->setVisible(!shown.isEmpty());
      break;
    }
  }
}

void FormBinder::load(const SectionSnapshot& snapshot) {
  for (Control& c : controls_) {
    if (c.widget()) loadRow(c, snapshot.value(c.row->nameToRead()));
  }
}

void FormBinder::setEditable(unsigned kindMask) {
  for (Control& c : controls_) {
    if (!c.widget()) continue;
    const bool editable = !c.row->alwaysReadOnly && (c.row->kinds & kindMask) != 0;
    c.widget()->setEnabled(editable);
    if (c.label) c.label->setEnabled(editable);
  }
}

std::optional<std::string> FormBinder::writeRow(const Control& c, char32_t* unstorable) const {
  const KeyRow& row = *c.row;
  switch (row.binding) {
    case Binding::DefaultedField: {
      std::optional<std::string> text = encodeText(fieldText(c), encoding_, unstorable);
      if (text == row.defaultValue) return std::nullopt;
      return text;
    }
    case Binding::AlwaysField:
    case Binding::PlainField:
      return encodeText(fieldText(c), encoding_, unstorable);
    case Binding::CommentField: {
      const std::optional<std::string> text = encodeText(fieldText(c), encoding_, unstorable);
      if (!text) return std::nullopt;
      const std::optional<std::string> comment = encodeText(c.edit->toolTip(), encoding_, unstorable);
      if (!comment) return std::nullopt;
      return joinComment(*text, *comment);
    }
    case Binding::Pair:
      return writePair(pairChoice(c), row.defaultValue);
    case Binding::ForcedPair:
      return writeForcedPair(pairChoice(c));
    case Binding::Prerequisites: {
      PrerequisiteState state;
      for (const QCheckBox* box : c.boxes) state.ticked.push_back(box->isChecked());
      state.others = c.otherPieces;
      std::string joined = writePrerequisites(state, prerequisiteFlags());
      if (joined.empty()) return std::nullopt;
      return joined;
    }
  }
  return std::nullopt;
}

namespace {

// A value is one line of the file. A line break pasted into a field would
// otherwise start a new line, which the game reads as a key or even a new
// section of its own.
std::string oneLine(std::string value) {
  for (char& ch : value) {
    if (ch == '\r' || ch == '\n' || ch == '\0') ch = ' ';
  }
  return value;
}

}  // namespace

std::optional<std::vector<FormBinder::Write>> FormBinder::writes(const SectionSnapshot& snapshot, unsigned kindMask,
                                                                 Unstorable* unstorable) const {
  std::vector<Write> out;
  for (std::string_view carried : table_.carriedKeys) {
    out.emplace_back(std::string(carried), snapshot.value(carried));
  }
  for (const Control& c : controls_) {
    if (!c.widget() || (c.row->kinds & kindMask) == 0) continue;
    char32_t refused = 0;
    std::optional<std::string> value = writeRow(c, &refused);
    if (refused != 0) {
      if (unstorable) *unstorable = {c.row, c.widget(), refused};
      return std::nullopt;
    }
    if (value) out.emplace_back(std::string(c.row->key), oneLine(std::move(*value)));
  }
  return out;
}

}  // namespace quillan::editor
