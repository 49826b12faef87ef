// The desktop module's entry: the Qt application and the services scriptrun
// asks for, made when a script first needs the desktop.
#include <QApplication>
#include <memory>

#include "runtime/dialog/DesktopModule.h"
#include "runtime/dialog/LoadedDbus.h"
#include "runtime/dialog/LoadedSound.h"
#include "runtime/dialog/ModuleLoader.h"
#include "runtime/dialog/QtClipboard.h"
#include "runtime/dialog/QtDialogHost.h"
#include "runtime/dialog/QtMessages.h"
#include "runtime/dialog/QtUserInterface.h"
#include "runtime/dialog/ScriptApplication.h"
#include "runtime/dialog/TrayShells.h"
#include "runtime/dialog/UnattendedDialogHost.h"
#include "runtime/dialog/UnattendedUserInterface.h"

namespace quillan::dialog {
namespace {

// Qt keeps a reference to argc and the pointer to argv for the whole run.
int qtArgc = 1;
char qtProgramName[] = "scriptrun";
char* qtArgv[] = {qtProgramName, nullptr};

std::unique_ptr<ScriptApplication> startApplication(const DesktopRequest& request) {
  installQuietMessages();
  auto app = std::make_unique<ScriptApplication>(qtArgc, qtArgv);
  QApplication::setQuitOnLastWindowClosed(false);
  app->onException = request.onException;
  app->onOutOfMemory = request.onOutOfMemory;
  return app;
}

// The one place where the two modes part: with nobody at the screen the
// boxes, the session's end and the dialog's idle rounds go to the
// transcript and the answer file, and tray icons are kept by a shell of
// our own (nobody sees them; the user actions play their clicks).
class QtDesktop final : public Desktop {
 public:
  explicit QtDesktop(const DesktopRequest& request) : app_(startApplication(request)) {
    if (request.session != nullptr) {
      ui_ = std::make_unique<UnattendedUserInterface>(*request.session);
      tray_ = std::make_unique<HeadlessTrayShell>();
      dialogs_ = std::make_unique<UnattendedDialogHost>(*request.rt, *request.session, *tray_);
    } else {
      ui_ = std::make_unique<QtUserInterface>();
      tray_ = std::make_unique<QtTrayShell>();
      dialogs_ = std::make_unique<QtDialogHost>(*request.rt, *tray_);
      sessionManager_ = std::make_unique<LoadedSessionManager>();
    }
  }

  // The dialog goes before the tray it may have icons in; the application
  // object, declared first, goes last.
  ~QtDesktop() override {
    dialogs_.reset();
    tray_.reset();
  }

  os::UserInterface& ui() override { return *ui_; }
  core::DialogHost& dialogs() override { return *dialogs_; }
  os::Clipboard& clipboard() override { return clipboard_; }
  os::MediaControl& media() override { return media_; }
  os::SessionManager* sessionManager() override { return sessionManager_.get(); }
  os::ScreenFigures screen() override { return primaryScreenFigures(); }
  void finish() override { QApplication::processEvents(); }

 private:
  std::unique_ptr<ScriptApplication> app_;
  std::unique_ptr<QtUserInterface> ui_;
  std::unique_ptr<TrayShell> tray_;
  std::unique_ptr<QtDialogHost> dialogs_;
  std::unique_ptr<os::SessionManager> sessionManager_;
  QtClipboard clipboard_;
  // Sounds come from a module of their own, loaded when a script first plays one.
  LoadedMediaControl media_;
};

class QtDesktopModule final : public DesktopModule {
 public:
  std::unique_ptr<Desktop> open(const DesktopRequest& request) override { return std::make_unique<QtDesktop>(request); }
};

}  // namespace
}  // namespace quillan::dialog

extern "C" __attribute__((visibility("default"))) void* quillan_desktop_module(int interface) {
  static quillan::dialog::QtDesktopModule module;
  quillan::dialog::DesktopModule* object = &module;
  return interface == quillan::dialog::kModuleInterface ? object : nullptr;
}
