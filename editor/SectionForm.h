// One editor form: a tool window built from a key table that edits one
// section of the working copy at a time. Show takes a snapshot of the
// section and fills the controls; OK replaces the section with what the
// controls say; Cancel (or closing the window) drops the changes; Reset goes
// back to the snapshot.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "editor/FormBinder.h"
#include "editor/KeyTable.h"
#include "editor/SectionSnapshot.h"

namespace quillan::editor {

class FormHost;

class SectionForm : public QWidget {
  Q_OBJECT

 public:
  SectionForm(const FormTable& table, FormHost& host);

  const FormTable& table() const { return table_; }
  const std::string& section() const { return section_; }
  int objectKind() const { return kind_; }
  const SectionSnapshot& snapshot() const { return snapshot_; }
  // What OK would write, in order (carried keys first); nothing when a
  // control holds a character the file cannot store (see FormBinder).
  std::optional<std::vector<FormBinder::Write>> pendingWrites(FormBinder::Unstorable* unstorable = nullptr) const;

  // The show sequence: lock the host, read the section, Reset, show.
  void Show();

 public slots:
  void OKClick();
  void CancelClick();
  void ResetClick();

 protected:
  // Closing by the frame is Cancel: the host must not stay disabled.
  void closeEvent(QCloseEvent* event) override;
  // Enter is OK and Escape is Cancel, wherever the focus is; a focused
  // button takes Enter itself.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildScreen();
  unsigned editedRows() const;
  void leave();
  // After an error box: the form is the active window again, with the
  // focus on `control`.
  void refocus(QWidget* control);

  const FormTable& table_;
  FormHost& host_;
  FormBinder binder_;
  std::string section_;
  int kind_ = 0;
  SectionSnapshot snapshot_;
  bool inUse_ = false;
};

}  // namespace quillan::editor
