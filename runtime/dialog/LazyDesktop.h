// scriptrun's side of the desktop module: stand-ins for the interpreter's
// desktop services that open the module (DesktopModule.h) the first time a
// script needs the desktop and pass every call on from then. Until then
// they answer what a desktop without a window answers (no dialog exists,
// no messages wait) and keep the application's title and icon for later,
// so a script that never shows anything never loads Qt.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "runtime/dialog/DesktopModule.h"
#include "runtime/dialog/ModuleLoader.h"

namespace quillan::dialog {

// The module cannot be had: the installation is broken. scriptrun ends
// with the message, since no box can show the script's own messages.
class DesktopUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LazyDesktop;

class LazyUserInterface final : public os::UserInterface {
 public:
  explicit LazyUserInterface(LazyDesktop& desktop) : desktop_(desktop) {}

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override;
  void beep() override;
  void playSound(std::string_view path, bool wait) override;
  void processMessages() override;
  void processMessagesIfDue() override;
  std::string applicationTitle() const override;
  void setApplicationTitle(std::string_view title) override;
  void setApplicationIconFrom(std::string_view path) override;

 private:
  friend class LazyDesktop;
  LazyDesktop& desktop_;
  os::UserInterface* opened_ = nullptr;  // the desktop's, once it is open
  std::string title_;
  std::optional<std::string> iconPath_;
};

class LazyDialogHost final : public core::DialogHost {
 public:
  explicit LazyDialogHost(LazyDesktop& desktop) : desktop_(desktop) {}

  bool exists() const override { return opened_ != nullptr && opened_->exists(); }
  int lineHeight() const override;
  bool beginDialog(const core::DialogFrame& frame) override;
  core::CreateResult addElement(const core::ElementSpec& spec) override;
  void addDialogStyle(core::DialogStyle style) override;
  void setPopupMenu(const std::vector<std::string>& captions) override;
  void showDialog() override;
  void abandonDialog() override;
  void close() override;
  os::Conversation* conversation() override { return opened_ != nullptr ? opened_->conversation() : nullptr; }
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
  void restoreCursor() override;
  std::int64_t tickCount() override;
  void pause(int milliseconds) override;
  core::IdleOutcome idle() override;
  void reportStuck() override;

 private:
  friend class LazyDesktop;
  core::DialogHost& host();
  LazyDesktop& desktop_;
  core::DialogHost* opened_ = nullptr;
};

class LazyClipboard final : public os::Clipboard {
 public:
  explicit LazyClipboard(LazyDesktop& desktop) : desktop_(desktop) {}
  std::string text() override;
  void setText(std::string_view text) override;
  void clear() override;

 private:
  LazyDesktop& desktop_;
};

class LazyMediaControl final : public os::MediaControl {
 public:
  explicit LazyMediaControl(LazyDesktop& desktop) : desktop_(desktop) {}
  bool command(std::string_view text, std::string& reply) override;

 private:
  LazyDesktop& desktop_;
};

class LazySessionManager final : public os::SessionManager {
 public:
  explicit LazySessionManager(LazyDesktop& desktop) : desktop_(desktop) {}
  bool endSession(os::SessionEnd how) override;

 private:
  LazyDesktop& desktop_;
};

class LazyDesktop {
 public:
  // The runtime and the callbacks must be in place (setRequest) before a
  // script line can need the desktop.
  LazyDesktop();
  ~LazyDesktop();
  LazyDesktop(const LazyDesktop&) = delete;
  LazyDesktop& operator=(const LazyDesktop&) = delete;

  void setRequest(DesktopRequest request) { request_ = std::move(request); }

  // The desktop, opened on the first call. Throws DesktopUnavailable when
  // the module cannot be loaded.
  Desktop& open();
  bool isOpen() const { return desktop_ != nullptr; }
  // Destroys the desktop's objects (the dialog, the application); the
  // runtime they point to must still be alive. The module stays loaded.
  void close();
  // Lets the window system finish the last lines' work, if it was opened.
  void finish();

  os::UserInterface& ui() { return ui_; }
  core::DialogHost& dialogs() { return dialogs_; }
  os::Clipboard& clipboard() { return clipboard_; }
  os::MediaControl& media() { return media_; }
  os::SessionManager& sessionManager() { return sessionManager_; }
  os::ScreenFigures screen() { return open().screen(); }

 private:
  DesktopRequest request_;
  Module module_;
  std::unique_ptr<Desktop> desktop_;
  LazyUserInterface ui_{*this};
  LazyDialogHost dialogs_{*this};
  LazyClipboard clipboard_{*this};
  LazyMediaControl media_{*this};
  LazySessionManager sessionManager_{*this};
};

}  // namespace quillan::dialog
