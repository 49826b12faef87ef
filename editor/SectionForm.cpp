#include "editor/SectionForm.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "editor/EditorTexts.h"
#include "editor/FormHost.h"
#include "editor/UserPrompts.h"
#include "platform/ini/ProfileFile.h"

namespace quillan::editor {

SectionForm::SectionForm(const FormTable& table, FormHost& host)
    : QWidget(nullptr), table_(table), host_(host), binder_(table) {
  setObjectName(tableText(table.className));
  setWindowTitle(tableText(table.initialTitle));
  Qt::WindowFlags flags = Qt::Tool;
  if (table.staysOnTop) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  buildScreen();
}

void SectionForm::buildScreen() {
  auto* grid = new QGridLayout(this);
  int lastRow = 0;
  int columns = 1;
  QVBoxLayout* lastBlock = nullptr;  // of the table's last block
  // Controls take the Tab focus in the order they are made: down each
  // column of blocks, then the next column to the right, then the buttons.
  std::vector<const ScreenBlock*> readingOrder;
  for (const ScreenBlock& block : table_.screen) readingOrder.push_back(&block);
  std::stable_sort(readingOrder.begin(), readingOrder.end(), [](const ScreenBlock* a, const ScreenBlock* b) {
    return std::pair(a->column, a->row) < std::pair(b->column, b->row);
  });
  for (const ScreenBlock* blockInOrder : readingOrder) {
    const ScreenBlock& block = *blockInOrder;
    auto* blockLayout = new QVBoxLayout;
    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::string_view key : block.keys) {
      const auto row =
          std::find_if(table_.rows.begin(), table_.rows.end(), [&](const KeyRow& r) { return r.key == key; });
      if (row == table_.rows.end()) continue;  // the table test catches this
      const auto index = static_cast<std::size_t>(row - table_.rows.begin());
      const FormBinder::Placed placed = binder_.create(index, this);
      if (placed.label) {
        fields->addRow(placed.label, placed.control);
      } else {
        fields->addRow(placed.control);
      }
    }
    blockLayout->addLayout(fields);
    blockLayout->addStretch();
    grid->addLayout(blockLayout, block.row, block.column, block.rowSpan, block.columnSpan);
    lastRow = std::max(lastRow, block.row + block.rowSpan - 1);
    columns = std::max(columns, block.column + block.columnSpan);
    if (&block == &table_.screen.back()) lastBlock = blockLayout;
  }

  auto* ok = new QPushButton(texts::kOk, this);
  ok->setObjectName("OK");
  ok->setToolTip(tableText(table_.hints.ok));
  ok->setDefault(true);
  // A focused button takes Enter for itself, as in a dialog box.
  ok->setAutoDefault(true);
  auto* cancel = new QPushButton(texts::kCancel, this);
  cancel->setObjectName("Cancel");
  cancel->setToolTip(tableText(table_.hints.cancel));
  cancel->setAutoDefault(true);
  auto* reset = new QPushButton(texts::kReset, this);
  reset->setObjectName("Reset");
  reset->setToolTip(tableText(table_.hints.reset));
  reset->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &SectionForm::OKClick);
  connect(cancel, &QPushButton::clicked, this, &SectionForm::CancelClick);
  connect(reset, &QPushButton::clicked, this, &SectionForm::ResetClick);

  if (table_.buttonsBesideBlocks && lastBlock) {
    lastBlock->addWidget(ok);
    lastBlock->addWidget(cancel);
    lastBlock->addWidget(reset);
  } else {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(reset);
    grid->addLayout(buttons, lastRow + 1, 0, 1, columns);
  }
}

unsigned SectionForm::editedRows() const { return table_.usesObjectKind ? rowsOfKind(kind_) : kCommonRows; }

std::optional<std::vector<FormBinder::Write>> SectionForm::pendingWrites(FormBinder::Unstorable* unstorable) const {
  return binder_.writes(snapshot_, editedRows(), unstorable);
}

void SectionForm::Show() {
  host_.setHostEnabled(false);
  inUse_ = true;
  section_ = host_.currentSection();
  if (table_.usesObjectKind) kind_ = host_.objectKind();
  // A missing working copy reads as empty: every control shows its default.
  ini::ProfileFile* file = host_.workingCopy();
  snapshot_ = file ? SectionSnapshot::read(*file, section_) : SectionSnapshot{};
  binder_.setEncoding(host_.textEncoding());
  ResetClick();
  show();
  raise();
  activateWindow();
}

void SectionForm::ResetClick() {
  binder_.load(snapshot_);
  binder_.setEditable(editedRows());
}

void SectionForm::OKClick() {
  FormBinder::Unstorable unstorable;
  const std::optional<std::vector<FormBinder::Write>> writes = pendingWrites(&unstorable);
  if (!writes) {
    const char32_t ch = unstorable.character;
    const QString shown = QChar::isPrint(ch) ? QString::fromUcs4(&ch, 1) : QString();
    const QString code = QString::number(ch, 16).toUpper().rightJustified(4, '0');
    host_.prompts().showError(
        this,
        QString(texts::kUnstorableCharacter)
            .arg(tableText(unstorable.row->caption()), shown, code, encodingName(host_.textEncoding())),
        texts::kUnstorableCharacterDetail);
    refocus(unstorable.control);
    return;
  }
  ini::ProfileFile* file = host_.workingCopy();
  // The section is rebuilt in one replacement of the file: a failure leaves
  // the working copy as it was, never a section erased and half rewritten.
  const bool written = file && file->edit([&](ini::IniDocument& doc) {
    doc.eraseSection(section_);
    for (const auto& [key, value] : *writes) doc.set(section_, key, value);
  });
  if (!written) {
    QWidget* focused = focusWidget();
    const QString path = file ? QString::fromStdString(file->path()) : QString();
    const QString detail = file ? QString::fromStdString(file->lastError()) : QString();
    host_.prompts().showError(this, QString(texts::kUnableToWrite).arg(path), detail);
    refocus(focused);
    return;
  }
  host_.setModified();
  leave();
}

void SectionForm::CancelClick() { leave(); }

void SectionForm::leave() {
  hide();
  if (!inUse_) return;
  inUse_ = false;
  host_.setHostEnabled(true);
  host_.focusHost();
}

void SectionForm::refocus(QWidget* control) {
  raise();
  activateWindow();
  if (control) control->setFocus(Qt::OtherFocusReason);
}

void SectionForm::keyPressEvent(QKeyEvent* event) {
  // Keys reach the form when the focused control did not want them: a
  // line edit passes Enter on, an open drop-down list keeps it.
  if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      OKClick();
      break;
    case Qt::Key_Escape:
      CancelClick();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void SectionForm::closeEvent(QCloseEvent* event) {
  leave();
  event->accept();
}

}  // namespace quillan::editor
