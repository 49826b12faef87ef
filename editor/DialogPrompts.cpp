#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <memory>

#include "editor/EditorTexts.h"
#include "editor/UserPrompts.h"

namespace quillan::editor {
namespace {

std::unique_ptr<QFileDialog> rulesFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setAcceptMode(mode);
  dialog->setNameFilter(texts::kRulesFilter);
  dialog->setDefaultSuffix(texts::kRulesSuffix);
  dialog->selectFile(texts::kInitialFileName);
  return dialog;
}

}  // namespace

QString proposedRulesFileName(const QString& directory) {
  const QString wanted = texts::kInitialFileName;
  const QStringList files = QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  if (files.contains(wanted)) return wanted;
  for (const QString& name : files) {
    if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
  }
  return wanted;
}

std::optional<QString> DialogPrompts::chooseFileToOpen(QWidget* parent) {
  const auto dialog = rulesFileDialog(parent, QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  // File names differ by case here: a proposed "Rules.ini" that is not
  // there would leave the Open button disabled beside "rules.ini".
  dialog->selectFile(proposedRulesFileName(dialog->directory().absolutePath()));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().front();
}

std::optional<QString> DialogPrompts::chooseFileToSave(QWidget* parent) {
  const auto dialog = rulesFileDialog(parent, QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  // The dialog asks before a new file is created, not before an existing
  // one is replaced: saving over a rules file is what Save As is for.
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  while (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
    const QString chosen = dialog->selectedFiles().front();
    if (QFileInfo::exists(chosen)) return chosen;
    const auto answer =
        QMessageBox::question(parent, dialog->windowTitle(), QString(texts::kCreateFileQuestion).arg(chosen));
    if (answer == QMessageBox::Yes) return chosen;
  }
  return std::nullopt;
}

UserPrompts::Answer DialogPrompts::confirm(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, texts::kConfirmTitle, question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void DialogPrompts::showError(QWidget* parent, const QString& message, const QString& detail) {
  QMessageBox box(QMessageBox::Warning, texts::kProgramTitle, message, QMessageBox::Ok, parent);
  if (!detail.isEmpty()) box.setInformativeText(detail);
  box.exec();
}

}  // namespace quillan::editor
