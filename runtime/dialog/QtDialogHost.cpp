#include "runtime/dialog/QtDialogHost.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <chrono>
#include <thread>

#include "runtime/dialog/DialogGeometry.h"
#include "runtime/dialog/ElementLists.h"
#include "runtime/dialog/FileChoosers.h"

namespace quillan::dialog {

QtDialogHost::QtDialogHost(core::Runtime& rt, TrayShell& shell) : rt_(rt), shell_(shell) {}

QtDialogHost::~QtDialogHost() {
  setWaitCursor(false);
  form_.reset();
  closed_.clear();
}

int QtDialogHost::lineHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return lineHeightFor(screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 96);
}

bool QtDialogHost::beginDialog(const core::DialogFrame& frame) {
  destroyClosedForms();
  form_ = std::make_unique<TDlgForm>(rt_, *this, shell_);
  form_->setFrame(frame);
  return true;
}

core::CreateResult QtDialogHost::addElement(const core::ElementSpec& spec) {
  return form_ ? form_->addElement(spec) : core::CreateResult::Refused;
}

void QtDialogHost::addDialogStyle(core::DialogStyle style) {
  if (form_) form_->addDialogStyle(style);
}

void QtDialogHost::setPopupMenu(const std::vector<std::string>& captions) {
  if (form_) form_->setPopupMenu(captions);
}

void QtDialogHost::showDialog() {
  if (!form_) return;
  exists_ = true;
  closing_ = false;
  form_->showDialog();
}

void QtDialogHost::abandonDialog() {
  if (!exists_) form_.reset();
}

void QtDialogHost::close() {
  if (!form_ || !exists_) return;
  closing_ = true;
  form_->close();
  closing_ = false;
}

void QtDialogHost::formClosed(TDlgForm* form) {
  exists_ = false;
  closing_ = false;
  // The window's close handler is still running: it is destroyed later.
  if (form_.get() == form) closed_.push_back(std::move(form_));
}

void QtDialogHost::destroyClosedForms() { closed_.clear(); }

Element* QtDialogHost::element(std::string_view name) const { return exists_ && form_ ? form_->find(name) : nullptr; }

bool QtDialogHost::setElement(std::string_view name, std::string_view value) {
  Element* e = element(name);
  if (e == nullptr) return false;
  form_->setValue(*e, value);
  return true;
}

core::ElementResult QtDialogHost::readElement(std::string_view name, std::string& value) {
  Element* e = element(name);
  return e == nullptr ? core::ElementResult::NoElement : form_->readValue(*e, value);
}

core::ElementResult QtDialogHost::clearElement(std::string_view name, bool selectedOnly) {
  Element* e = element(name);
  return e == nullptr ? core::ElementResult::NoElement : form_->clearValue(*e, selectedOnly);
}

bool QtDialogHost::actOnElement(std::string_view name, core::ElementAction action) {
  Element* e = element(name);
  if (e == nullptr) return false;
  form_->act(*e, action);
  return true;
}

void QtDialogHost::setTitle(std::string_view title) {
  if (exists_ && form_) form_->setTitle(title);
}

void QtDialogHost::popupMenu() {
  if (exists_ && form_) form_->popupAt(QCursor::pos());
}

core::ScriptList* QtDialogHost::listElement(std::string_view name) {
  Element* e = element(name);
  if (e == nullptr) return nullptr;
  if (!e->list && e->kind == core::ElementKind::List) e->list = listBoxList(*static_cast<QListWidget*>(e->widget));
  if (!e->list && e->kind == core::ElementKind::Combo)
    e->list = comboBoxList(*static_cast<QComboBox*>(e->widget), e->sorted);
  return e->list.get();
}

bool QtDialogHost::chooseFile(std::string_view filter, std::string_view title, std::string& path) {
  return chooseFileIn(form_.get(), filter, title, path);
}

bool QtDialogHost::chooseDirectory(std::string_view title, std::string& path) {
  return chooseDirectoryIn(form_.get(), title, path);
}

void QtDialogHost::setWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  waitCursor_ = wait;
}

std::int64_t QtDialogHost::tickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void QtDialogHost::pause(int milliseconds) {
  destroyClosedForms();  // WAIT runs outside every handler
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace quillan::dialog
