// Dlgwin: TDlgForm, the dialog window of a script. DIALOG CREATE makes a
// new one each time; its elements are children it owns. The window's
// handlers never run script lines: they write what happened into the event
// slot (and the click record or the drop list), where WAIT EVENT and the
// function EVENT find it.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/DialogHost.h"
#include "runtime/core/Runtime.h"
#include "runtime/dialog/DialogGeometry.h"
#include "runtime/dialog/ElementWidgets.h"
#include "runtime/dialog/LoadedDbus.h"
#include "runtime/dialog/TaskIcon.h"

namespace quillan::dialog {

class TDlgForm;

// What the window asks of whoever created it.
class DialogOwner {
 public:
  // The script asked for the close (DIALOG CLOSE): it is accepted.
  virtual bool closingRequested() const = 0;
  // The window has closed for good and may be destroyed once its handler
  // has returned.
  virtual void formClosed(TDlgForm* form) = 0;

 protected:
  ~DialogOwner() = default;
};

class TDlgForm final : public QWidget {
  Q_OBJECT

 public:
  TDlgForm(core::Runtime& rt, DialogOwner& owner, TrayShell& shell);
  ~TDlgForm() override;

  // --- Building: DIALOG CREATE -------------------------------------------
  void setFrame(const core::DialogFrame& frame);
  core::CreateResult addElement(const core::ElementSpec& spec);
  void addDialogStyle(core::DialogStyle style);
  void setPopupMenu(const std::vector<std::string>& captions);
  // Sizes the window for its styles, applies the saved position and shows
  // it with the focus on the focus element.
  void showDialog();

  // --- Elements -----------------------------------------------------------
  // The element of that name, ignoring case; never an unnamed one.
  Element* find(std::string_view name) const;
  const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }
  core::ElementResult readValue(const Element& element, std::string& value) const;
  void setValue(Element& element, std::string_view value);
  core::ElementResult clearValue(Element& element, bool selectedOnly);
  void act(Element& element, core::ElementAction action);
  void setTitle(std::string_view title);
  QMenu* popupMenu() const { return popup_; }
  void popupAt(const QPoint& globalPosition);
  bool acceptsDrops() const { return dragDrop_; }
  bool savesPosition() const { return savePos_; }
  bool smallCaption() const { return smallCaption_; }
  bool staysOnTop() const { return onTop_; }
  QPushButton* defaultButton() const { return defaultButton_; }
  // The window's conversation with another program; it ends when the
  // window closes.
  os::Conversation& conversation() { return ddeClientConv_; }
  static FrameMetrics frameMetrics(const QWidget& window);

  // --- For the element kinds' makers (ElementKinds.cpp) --------------------
  core::Runtime& runtime() const { return rt_; }
  TrayShell& trayShell() const { return shell_; }
  void setDefaultButton(QPushButton* button);
  // A status bar lies along the foot of the window, whatever its size.
  void addStatusBar(QStatusBar* bar);

  // --- Handlers -------------------------------------------------------------
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void FormClose();
  void ButtonClickEvent(const Element& button);
  void MouseClickEvent(const Element& bitmap, Qt::MouseButton button, QPoint at);
  void MenuClickEvent(const std::string& caption);
  void TaskIconClickEvent(TTaskIcon* icon);
  void ComboExitEvent(Element& combo);
  // The application-wide hook while files may be dropped: turns a drop of
  // files anywhere on this window into the DRAGDROP event. True when the
  // event was handled here.
  bool AppMessage(QObject* receiver, QEvent* event);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool nameTaken(std::string_view name) const;
  void placeStatusBars();
  void stopAcceptingDrops();
  void focusChanged(QWidget* old, QWidget* now);

  core::Runtime& rt_;
  DialogOwner& owner_;
  TrayShell& shell_;
  std::vector<std::unique_ptr<Element>> elements_;

  // Per-dialog state, reset by FormCreate.
  core::DialogFrame frame_;
  bool centred_ = false;
  Element* focusElement_ = nullptr;
  QPointer<QMenu> popup_;
  QPushButton* defaultButton_ = nullptr;
  bool dragDrop_ = false;
  bool filtering_ = false;  // AppMessage is installed
  bool savePos_ = false;
  bool smallCaption_ = false;
  bool onTop_ = false;
  std::vector<QStatusBar*> statusBars_;
  LoadedConversation ddeClientConv_;  // the D-Bus module's, from the first link
};

}  // namespace quillan::dialog
