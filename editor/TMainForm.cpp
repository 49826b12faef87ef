#include "editor/TMainForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <map>

#include "editor/Catalogue.h"
#include "editor/EditorTexts.h"
#include "editor/SectionForm.h"
#include "editor/TAboutBox.h"
#include "editor/UserPrompts.h"
#include "platform/ini/ProfileFile.h"

namespace quillan::editor {

TMainForm::TMainForm(UserPrompts& prompts, const QString& directory)
    : prompts_(prompts), workingCopy_(directory.isEmpty() ? QDir::currentPath() : directory) {
  setObjectName("TMainForm");
  setWindowTitle(texts::kProgramTitle);
  buildMenus();

  // Every form is made once, hidden, and reused for each object of its kind.
  about_ = new TAboutBox(this);
  for (std::size_t i = 0; i < kAllForms.size(); ++i) {
    forms_[i] = std::make_unique<SectionForm>(formTable(kAllForms[i]), *this);
  }

  move(1, 1);
  resize(480, 69);
}

TMainForm::~TMainForm() = default;

SectionForm& TMainForm::form(FormId id) const {
  for (std::size_t i = 0; i < kAllForms.size(); ++i) {
    if (kAllForms[i] == id) return *forms_[i];
  }
  return *forms_[0];
}

void TMainForm::buildMenus() {
  QMenu* file = menuBar()->addMenu(texts::kFileMenu);
  file->setObjectName("FileMenu");
  auto addCommand = [this, file](const char* caption, const char* name, void (TMainForm::*slot)()) {
    QAction* action = file->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  addCommand(texts::kOpen, "FileOpen", &TMainForm::OpenClick);
  fileDependent_.push_back(addCommand(texts::kSave, "FileSave", &TMainForm::SaveClick));
  fileDependent_.push_back(addCommand(texts::kSaveAs, "FileSaveAs", &TMainForm::SaveAsClick));
  fileDependent_.push_back(addCommand(texts::kClose, "FileClose", &TMainForm::CloseClick));
  file->addSeparator();
  addCommand(texts::kExit, "FileExit", &TMainForm::ExitClick);

  buildCatalogueMenus();

  QAction* about = menuBar()->addAction(texts::kAbout);
  about->setObjectName("About");
  connect(about, &QAction::triggered, this, &TMainForm::AboutClick);

  setFileMenusEnabled(false);
}

void TMainForm::buildCatalogueMenus() {
  std::map<QString, QMenu*> menus;  // by path
  for (const char* caption : texts::kObjectMenus) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString(caption).remove('&') + "Menu");
    menus[caption] = menu;
    fileDependent_.push_back(menu->menuAction());
  }

  std::vector<QMenu*> submenus;  // in creation order: parents before children
  for (const CatalogueRow& row : catalogueEntries()) {
    const QStringList parts = tableText(row.path).split(kMenuPathSeparator);
    QString path = parts.front();
    QMenu* menu = menus.at(path);
    for (qsizetype i = 1; i < parts.size(); ++i) {
      path += kMenuPathSeparator + parts[i];
      auto found = menus.find(path);
      if (found == menus.end()) {
        QMenu* submenu = menu->addMenu(parts[i]);
        found = menus.emplace(path, submenu).first;
        submenus.push_back(submenu);
      }
      menu = found->second;
    }
    QAction* action = menu->addAction(tableText(row.caption));
    if (!row.opensForm()) {
      action->setEnabled(false);
      continue;
    }
    action->setObjectName("entry:" + tableText(row.section));
    connect(action, &QAction::triggered, this, [this, &row] { chooseEntry(row); });
  }
  // A submenu that holds nothing but placeholders is a placeholder too.
  // Its menu widget is disabled as well as its action: enabling the window
  // again when a form closes enables every child widget that was not
  // disabled on its own, and a menu widget that comes back enabled takes
  // its action along.
  for (auto it = submenus.rbegin(); it != submenus.rend(); ++it) {
    bool anyEnabled = false;
    for (const QAction* action : (*it)->actions()) anyEnabled |= action->isEnabled();
    (*it)->setEnabled(anyEnabled);
    (*it)->menuAction()->setEnabled(anyEnabled);
  }
}

void TMainForm::setFileMenusEnabled(bool enabled) {
  for (QAction* action : fileDependent_) action->setEnabled(enabled);
}

void TMainForm::chooseEntry(const CatalogueRow& row) {
  currentSection_ = std::string(row.section);
  if (row.form == FormId::AllUnits) objectKind_ = row.kind;
  SectionForm& target = form(row.form);
  target.setWindowTitle(tableText(row.title));
  target.Show();
}

void TMainForm::focusHost() {
  activateWindow();
  setFocus();
}

void TMainForm::OpenClick() {
  // Opening replaces the working copy, and the changes with it.
  if (!offerToSave()) return;
  const std::optional<QString> chosen = prompts_.chooseFileToOpen(this);
  if (chosen) openFile(*chosen);
}

bool TMainForm::openFile(const QString& path) {
  // Another editor started in this directory works on the same working
  // copy; replacing it under that editor would lose its changes.
  if (!workingCopy_.claim()) {
    prompts_.showError(this, QString(texts::kWorkingCopyInUse).arg(workingCopy_.path()), {});
    return false;
  }
  QString error;
  QByteArray bytes;
  if (!workingCopy_.copyIn(path, &error, &bytes)) {
    prompts_.showError(this, QString(texts::kUnableToOpen).arg(path, workingCopy_.path()), error);
    // Nothing was replaced; with no file open the lock is not ours to keep.
    if (!fileOpen_) workingCopy_.release();
    return false;
  }
  fileName_ = QFileInfo(path).absoluteFilePath();
  encoding_ = detectEncoding(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  profile_ = std::make_unique<ini::ProfileFile>(QFile::encodeName(workingCopy_.path()).toStdString());
  fileOpen_ = true;
  // The working copy is the new file's, whatever was done to the old one.
  modified_ = false;
  setFileMenusEnabled(true);
  return true;
}

bool TMainForm::save() {
  QString error;
  if (!workingCopy_.copyOut(fileName_, &error)) {
    prompts_.showError(this, QString(texts::kUnableToSave).arg(fileName_), error);
    return false;
  }
  modified_ = false;
  return true;
}

void TMainForm::SaveClick() {
  if (fileOpen_) save();
}

void TMainForm::SaveAsClick() {
  if (!fileOpen_) return;
  const std::optional<QString> chosen = prompts_.chooseFileToSave(this);
  if (!chosen) return;
  // The copy goes to the new path, but Save keeps writing to the file that
  // was opened and the modified flag stays as it was.
  QString error;
  if (!workingCopy_.copyOut(*chosen, &error)) {
    prompts_.showError(this, QString(texts::kUnableToSave).arg(*chosen), error);
  }
}

bool TMainForm::offerToSave() {
  if (!modified_) return true;
  const QString question = QString(texts::kSaveChangesPrefix) + fileName_ + QString(texts::kSaveChangesSuffix);
  switch (prompts_.confirm(this, question)) {
    case UserPrompts::Answer::Cancel:
      return false;
    case UserPrompts::Answer::Yes:
      // A failed save must not go on: the changes live only in the working
      // copy, which program exit deletes and the next Open replaces.
      return save();
    case UserPrompts::Answer::No:
      break;
  }
  return true;
}

bool TMainForm::closeSequence() {
  if (!offerToSave()) return false;
  if (fileOpen_) {
    profile_.reset();
    setFileMenusEnabled(false);
    fileOpen_ = false;
    modified_ = false;
    // Another editor started here may now open a file; the in-use message
    // tells its user to close the file here.
    workingCopy_.release();
  }
  return true;
}

void TMainForm::CloseClick() { closeSequence(); }

void TMainForm::ExitClick() { close(); }

void TMainForm::AboutClick() { about_->exec(); }

void TMainForm::closeEvent(QCloseEvent* event) {
  // While a form is in use the window is disabled; the form must be
  // finished (OK or Cancel) before the program can end.
  if (!isEnabled() || !closeSequence()) {
    event->ignore();
    return;
  }
  workingCopy_.discard();
  for (auto& form : forms_) form->hide();
  event->accept();
}

}  // namespace quillan::editor
