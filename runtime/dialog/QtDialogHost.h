// The dialog host of scriptrun: builds TDlgForm windows for DIALOG CREATE,
// keeps the global dialog state (the dialog-exists and closing flags, the
// hourglass) and paces WAIT. A round of WAIT EVENT that finds no event
// waits for the person at the screen; UnattendedDialogHost plays the answer
// file's user actions there instead.
#pragma once

#include <memory>
#include <vector>

#include "runtime/core/DialogHost.h"
#include "runtime/core/Runtime.h"
#include "runtime/dialog/Dlgwin.h"

namespace quillan::dialog {

class QtDialogHost : public core::DialogHost, public DialogOwner {
 public:
  // shell is the notification area for tray icons; it must outlive the host.
  QtDialogHost(core::Runtime& rt, TrayShell& shell);
  ~QtDialogHost() override;

  bool exists() const override { return exists_; }
  int lineHeight() const override;
  bool beginDialog(const core::DialogFrame& frame) override;
  core::CreateResult addElement(const core::ElementSpec& spec) override;
  void addDialogStyle(core::DialogStyle style) override;
  void setPopupMenu(const std::vector<std::string>& captions) override;
  void showDialog() override;
  void abandonDialog() override;
  void close() override;

  bool setElement(std::string_view name, std::string_view value) override;
  core::ElementResult readElement(std::string_view name, std::string& value) override;
  core::ElementResult clearElement(std::string_view name, bool selectedOnly) override;
  bool actOnElement(std::string_view name, core::ElementAction action) override;
  void setTitle(std::string_view title) override;
  void popupMenu() override;
  core::ScriptList* listElement(std::string_view name) override;
  bool chooseFile(std::string_view filter, std::string_view title, std::string& path) override;
  bool chooseDirectory(std::string_view title, std::string& path) override;

  void setWaitCursor(bool wait) override;
  void restoreCursor() override { setWaitCursor(false); }

  std::int64_t tickCount() override;
  void pause(int milliseconds) override;

  // The window being built or shown; null when there is none.
  TDlgForm* form() const { return form_.get(); }

 private:
  bool closingRequested() const override { return closing_; }
  void formClosed(TDlgForm* form) override;
  Element* element(std::string_view name) const;
  void destroyClosedForms();

  core::Runtime& rt_;
  TrayShell& shell_;
  std::unique_ptr<TDlgForm> form_;
  // Closed windows wait here until no handler of theirs can be running.
  std::vector<std::unique_ptr<TDlgForm>> closed_;
  bool exists_ = false;
  bool closing_ = false;
  bool waitCursor_ = false;
};

}  // namespace quillan::dialog
