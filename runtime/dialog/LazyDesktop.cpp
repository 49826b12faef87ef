#include "runtime/dialog/LazyDesktop.h"

#include <chrono>
#include <thread>

namespace quillan::dialog {

LazyDesktop::LazyDesktop() : module_(kDesktopModuleFile, kDesktopModuleEntry, "The desktop") {}

LazyDesktop::~LazyDesktop() { close(); }

Desktop& LazyDesktop::open() {
  if (desktop_) return *desktop_;
  auto* module = static_cast<DesktopModule*>(module_.object());
  if (module == nullptr) throw DesktopUnavailable(module_.failure());
  desktop_ = module->open(request_);
  // What the script set before the desktop was there.
  ui_.opened_ = &desktop_->ui();
  ui_.opened_->setApplicationTitle(ui_.title_);
  if (ui_.iconPath_) ui_.opened_->setApplicationIconFrom(*ui_.iconPath_);
  dialogs_.opened_ = &desktop_->dialogs();
  return *desktop_;
}

void LazyDesktop::close() {
  ui_.opened_ = nullptr;
  dialogs_.opened_ = nullptr;
  desktop_.reset();
}

void LazyDesktop::finish() {
  if (desktop_) desktop_->finish();
}

// --- The boxes and the application ---------------------------------------

os::BoxAnswer LazyUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                            os::BoxButtons buttons) {
  return desktop_.open().ui().messageBox(caption, text, icon, buttons);
}

bool LazyUserInterface::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                                 std::string& answer) {
  return desktop_.open().ui().inputBox(caption, prompt, defaultText, answer);
}

void LazyUserInterface::beep() { desktop_.open().ui().beep(); }

void LazyUserInterface::playSound(std::string_view path, bool wait) { desktop_.open().ui().playSound(path, wait); }

// Without a desktop no window exists, so no message can be waiting.
void LazyUserInterface::processMessages() {
  if (opened_ != nullptr) opened_->processMessages();
}

void LazyUserInterface::processMessagesIfDue() {
  if (opened_ != nullptr) opened_->processMessagesIfDue();
}

std::string LazyUserInterface::applicationTitle() const {
  return opened_ != nullptr ? opened_->applicationTitle() : title_;
}

void LazyUserInterface::setApplicationTitle(std::string_view title) {
  if (opened_ != nullptr) {
    opened_->setApplicationTitle(title);
  } else {
    title_ = title;
  }
}

// The icon is read from the file when the first window needs it.
void LazyUserInterface::setApplicationIconFrom(std::string_view path) {
  if (opened_ != nullptr) {
    opened_->setApplicationIconFrom(path);
  } else {
    iconPath_.emplace(path);
  }
}

// --- The dialog ---------------------------------------------------------------

core::DialogHost& LazyDialogHost::host() {
  desktop_.open();
  return *opened_;
}

int LazyDialogHost::lineHeight() const { return const_cast<LazyDialogHost*>(this)->host().lineHeight(); }
bool LazyDialogHost::beginDialog(const core::DialogFrame& frame) { return host().beginDialog(frame); }
core::CreateResult LazyDialogHost::addElement(const core::ElementSpec& spec) { return host().addElement(spec); }
void LazyDialogHost::addDialogStyle(core::DialogStyle style) { host().addDialogStyle(style); }
void LazyDialogHost::setPopupMenu(const std::vector<std::string>& captions) { host().setPopupMenu(captions); }
void LazyDialogHost::showDialog() { host().showDialog(); }
void LazyDialogHost::abandonDialog() { host().abandonDialog(); }
void LazyDialogHost::close() { host().close(); }
bool LazyDialogHost::setElement(std::string_view name, std::string_view value) {
  return host().setElement(name, value);
}
core::ElementResult LazyDialogHost::readElement(std::string_view name, std::string& value) {
  return host().readElement(name, value);
}
core::ElementResult LazyDialogHost::clearElement(std::string_view name, bool selectedOnly) {
  return host().clearElement(name, selectedOnly);
}
bool LazyDialogHost::actOnElement(std::string_view name, core::ElementAction action) {
  return host().actOnElement(name, action);
}
void LazyDialogHost::setTitle(std::string_view title) { host().setTitle(title); }
void LazyDialogHost::popupMenu() { host().popupMenu(); }
core::ScriptList* LazyDialogHost::listElement(std::string_view name) { return host().listElement(name); }
bool LazyDialogHost::chooseFile(std::string_view filter, std::string_view title, std::string& path) {
  return host().chooseFile(filter, title, path);
}
bool LazyDialogHost::chooseDirectory(std::string_view title, std::string& path) {
  return host().chooseDirectory(title, path);
}

// The arrow is what a desktop without our windows shows already.
void LazyDialogHost::setWaitCursor(bool wait) {
  if (wait || opened_ != nullptr) host().setWaitCursor(wait);
}

void LazyDialogHost::restoreCursor() {
  if (opened_ != nullptr) opened_->restoreCursor();
}

// The desktop's clock is the system's monotonic one, in milliseconds.
std::int64_t LazyDialogHost::tickCount() {
  if (opened_ != nullptr) return opened_->tickCount();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// With no window there is nothing to tidy or to let run meanwhile.
void LazyDialogHost::pause(int milliseconds) {
  if (opened_ != nullptr) {
    opened_->pause(milliseconds);
  } else if (milliseconds > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

core::IdleOutcome LazyDialogHost::idle() { return host().idle(); }
void LazyDialogHost::reportStuck() { host().reportStuck(); }

// --- The rest of the desktop ----------------------------------------------------

std::string LazyClipboard::text() { return desktop_.open().clipboard().text(); }
void LazyClipboard::setText(std::string_view text) { desktop_.open().clipboard().setText(text); }
void LazyClipboard::clear() { desktop_.open().clipboard().clear(); }

bool LazyMediaControl::command(std::string_view text, std::string& reply) {
  return desktop_.open().media().command(text, reply);
}

bool LazySessionManager::endSession(os::SessionEnd how) {
  os::SessionManager* manager = desktop_.open().sessionManager();
  return manager != nullptr && manager->endSession(how);
}

}  // namespace quillan::dialog
