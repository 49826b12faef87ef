// The editor's main window: a strip with the menu bar. It owns the working
// copy and the state the forms read when they open (which section, which
// kind of object), the File commands, and the close sequence.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editor/FormHost.h"
#include "editor/FormTables.h"
#include "editor/TextEncoding.h"
#include "editor/WorkingCopy.h"

class QMenu;

namespace quillan::ini {
class ProfileFile;
}

namespace quillan::editor {

struct CatalogueRow;
class SectionForm;
class TAboutBox;

class TMainForm : public QMainWindow, public FormHost {
  Q_OBJECT

 public:
  // `directory` holds the working copy; the editor uses its current
  // directory, tests a directory of their own.
  explicit TMainForm(UserPrompts& prompts, const QString& directory = QString());
  ~TMainForm() override;

  // The Open command with the file already chosen (the command line uses
  // it). False, with the user told why, when nothing was opened.
  bool openFile(const QString& path);
  // Opens the catalogue entry's form on its section.
  void chooseEntry(const CatalogueRow& row);

  QString fileName() const { return fileName_; }
  bool isFileOpen() const { return fileOpen_; }
  bool isModified() const { return modified_; }
  QString workingCopyPath() const { return workingCopy_.path(); }
  SectionForm& form(FormId id) const;
  TAboutBox& aboutBox() const { return *about_; }

  // FormHost
  std::string currentSection() const override { return currentSection_; }
  int objectKind() const override { return objectKind_; }
  // Fixed at Open from the rules file's bytes.
  TextEncoding textEncoding() const override { return encoding_; }
  ini::ProfileFile* workingCopy() override { return profile_.get(); }
  void setModified() override { modified_ = true; }
  void setHostEnabled(bool enabled) override { setEnabled(enabled); }
  void focusHost() override;
  UserPrompts& prompts() override { return prompts_; }

 public slots:
  void OpenClick();
  void SaveClick();
  void SaveAsClick();
  void CloseClick();
  void ExitClick();
  void AboutClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildCatalogueMenus();
  void setFileMenusEnabled(bool enabled);
  bool save();
  // Asks whether to save unsaved changes, and saves when told to; false
  // when the user cancelled or the save failed: the file stays as it is.
  bool offerToSave();
  // The close sequence; false when the user cancelled it or the save it
  // asked for failed, in which case the file stays open.
  bool closeSequence();

  UserPrompts& prompts_;
  WorkingCopy workingCopy_;
  std::unique_ptr<ini::ProfileFile> profile_;
  QString fileName_;
  bool fileOpen_ = false;
  bool modified_ = false;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  std::string currentSection_;
  int objectKind_ = 0;

  TAboutBox* about_ = nullptr;  // a child dialog, owned by the window
  std::array<std::unique_ptr<SectionForm>, kAllForms.size()> forms_;
  std::vector<QAction*> fileDependent_;  // enabled only while a file is open
};

}  // namespace quillan::editor
