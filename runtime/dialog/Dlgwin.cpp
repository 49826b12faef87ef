#include "runtime/dialog/Dlgwin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QStyleOptionTitleBar>

#include "runtime/core/Keywords.h"
#include "runtime/dialog/ElementKinds.h"
#include "runtime/dialog/SavedPosition.h"
#include "runtime/dialog/TextCodec.h"
#include "runtime/dialog/TextStyles.h"

namespace quillan::dialog {
namespace {

std::string upper(std::string_view text) {
  std::string result(text);
  core::upperAsciiInPlace(result);
  return result;
}

bool sameName(std::string_view a, std::string_view b) { return upper(a) == upper(b); }

// Components every dialog window carries besides its elements; no element
// may take their names.
constexpr std::string_view kOwnComponents[] = {"FileDlg", "DdeClientConv"};

// The local files a drag carries; empty when it carries none.
std::vector<std::string> droppedFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QByteArray name = QFile::encodeName(url.toLocalFile());
    files.emplace_back(name.constData(), static_cast<std::size_t>(name.size()));
  }
  return files;
}

}  // namespace

TDlgForm::TDlgForm(core::Runtime& rt, DialogOwner& owner, TrayShell& shell)
    : QWidget(nullptr), rt_(rt), owner_(owner), shell_(shell) {
  FormCreate();
}

TDlgForm::~TDlgForm() {
  // The elements go before the widgets that show them, and a focused one
  // takes the focus with it when QWidget deletes it: this window must no
  // longer hear of focus changes then.
  disconnect(qApp, &QApplication::focusChanged, this, &TDlgForm::focusChanged);
  stopAcceptingDrops();
  // The icons leave the notification area with their window.
  for (auto& element : elements_) delete element->icon;
}

void TDlgForm::FormCreate() {
  setObjectName(QStringLiteral("DlgForm"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(dialogFont("MS Sans Serif", 8));
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setWindowIcon(QApplication::windowIcon());
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { popupAt(mapToGlobal(at)); });
  connect(qApp, &QApplication::focusChanged, this, &TDlgForm::focusChanged);
}

FrameMetrics TDlgForm::frameMetrics(const QWidget& window) {
  FrameMetrics metrics;
  QStyleOptionTitleBar option;
  option.initFrom(&window);
  option.titleBarFlags = Qt::Window;
  metrics.captionHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
  option.titleBarFlags = Qt::Tool;
  metrics.smallCaptionHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
  return metrics;
}

void TDlgForm::setFrame(const core::DialogFrame& frame) {
  frame_ = frame;
  setWindowTitle(toDisplay(frame.title));
  centred_ = frame.top < 0;
  if (!centred_) move(frame.left, frame.top);
  const ClientSize client = clientSizeFor(frame.width, frame.height, frameMetrics(*this), false);
  setFixedSize(client.width, client.height);
}

bool TDlgForm::nameTaken(std::string_view name) const {
  for (const auto component : kOwnComponents)
    if (sameName(component, name)) return true;
  return find(name) != nullptr;
}

Element* TDlgForm::find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& element : elements_)
    if (!element->name.empty() && sameName(element->name, name)) return element.get();
  return nullptr;
}

core::CreateResult TDlgForm::addElement(const core::ElementSpec& spec) {
  if (!spec.name.empty() && nameTaken(spec.name)) return core::CreateResult::Refused;
  const ElementBehaviour& kind = behaviourOf(spec.kind);
  if (kind.make == nullptr) return core::CreateResult::Refused;
  auto element = std::make_unique<Element>();
  element->kind = spec.kind;
  element->name = spec.name;
  if (const core::CreateResult made = kind.make(*this, *element, spec); made != core::CreateResult::Created)
    return made;
  if (QWidget* widget = element->widget) {
    widget->setObjectName(toDisplay(spec.name));
    for (const auto& style : spec.styles) applyTextStyle(*widget, kind.style, style);
    if (element->autoSize) widget->adjustSize();
  }
  if (spec.takesFocus && focusElement_ == nullptr) focusElement_ = element.get();
  elements_.push_back(std::move(element));
  return core::CreateResult::Created;
}

void TDlgForm::setDefaultButton(QPushButton* button) { defaultButton_ = button; }

void TDlgForm::addStatusBar(QStatusBar* bar) {
  statusBars_.push_back(bar);
  placeStatusBars();
}

core::ElementResult TDlgForm::readValue(const Element& element, std::string& value) const {
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.read == nullptr) return core::ElementResult::Unsupported;
  kind.read(element, value);
  return core::ElementResult::Done;
}

void TDlgForm::setValue(Element& element, std::string_view value) {
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.set != nullptr) kind.set(*this, element, value);
}

core::ElementResult TDlgForm::clearValue(Element& element, bool selectedOnly) {
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.clear == nullptr) return core::ElementResult::Unsupported;
  kind.clear(element, selectedOnly);
  return core::ElementResult::Done;
}

void TDlgForm::act(Element& element, core::ElementAction action) {
  QWidget* widget = element.widget;
  if (widget == nullptr) {
    // A tray icon: only the notification area knows it. Enabling and
    // disabling put it there and take it away; focus and visibility mean
    // nothing.
    if (element.icon == nullptr) return;
    if (action == core::ElementAction::Enable) element.icon->setActive(true);
    if (action == core::ElementAction::Disable) element.icon->setActive(false);
    return;
  }
  switch (action) {
    case core::ElementAction::Focus:
      if (behaviourOf(element.kind).focusable) widget->setFocus();
      break;
    case core::ElementAction::Hide:
      widget->hide();
      break;
    case core::ElementAction::Show:
      widget->show();
      break;
    case core::ElementAction::Enable:
      widget->setEnabled(true);
      break;
    case core::ElementAction::Disable:
      widget->setEnabled(false);
      break;
  }
}

void TDlgForm::addDialogStyle(core::DialogStyle style) {
  switch (style) {
    case core::DialogStyle::DragDrop:
      dragDrop_ = true;
      break;
    case core::DialogStyle::OnTop:
      onTop_ = true;
      break;
    case core::DialogStyle::SmallCaption:
      smallCaption_ = true;
      break;
    case core::DialogStyle::SavePosition:
      savePos_ = true;
      break;
  }
}

void TDlgForm::setPopupMenu(const std::vector<std::string>& captions) {
  delete popup_;
  popup_ = new QMenu(this);
  for (const auto& caption : captions) {
    QAction* action = popup_->addAction(toDisplay(caption));
    connect(action, &QAction::triggered, this, [this, caption] { MenuClickEvent(caption); });
  }
}

void TDlgForm::popupAt(const QPoint& globalPosition) {
  if (popup_) popup_->popup(globalPosition);
}

void TDlgForm::setTitle(std::string_view title) { setWindowTitle(toDisplay(title)); }

void TDlgForm::showDialog() {
  Qt::WindowFlags flags = (smallCaption_ ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  if (onTop_) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  const ClientSize client = clientSizeFor(frame_.width, frame_.height, frameMetrics(*this), smallCaption_);
  setFixedSize(client.width, client.height);
  FormShow();
  show();
  activateWindow();
  if (focusElement_ != nullptr && focusElement_->widget != nullptr) focusElement_->widget->setFocus();
}

void TDlgForm::FormShow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
  if (savePos_) {
    // A saved position replaces centring; with none saved yet the window
    // opens where it was created, or at the design position.
    WindowPlace place;
    place.top = centred_ ? kDesignTop : frame_.top;
    place.left = centred_ ? kDesignLeft : frame_.left;
    centred_ = false;
    restorePosition(rt_.os.registry, savedPositionKey(rt_.scriptPath), place, area.width(), area.height(), false);
    move(place.left, place.top);
    if (place.state == WindowState::Maximised) setWindowState(Qt::WindowMaximized);
  } else if (centred_) {
    const int outerHeight = frame_.height + frameMetrics(*this).captionHeight;
    move(area.x() + (area.width() - frame_.width) / 2, area.y() + (area.height() - outerHeight) / 2);
  }
  if (dragDrop_) {
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    filtering_ = true;
  }
}

void TDlgForm::stopAcceptingDrops() {
  if (filtering_) qApp->removeEventFilter(this);
  filtering_ = false;
  setAcceptDrops(false);
}

void TDlgForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TDlgForm::FormCloseQuery(bool& canClose) {
  rt_.settings.eventText = "CLOSE";
  if (dragDrop_) {
    rt_.droppedFiles.clear();
    stopAcceptingDrops();
    dragDrop_ = false;
  }
  // Only the script closes its window; anyone else's request becomes the
  // event CLOSE, and the script decides.
  canClose = rt_.stop || owner_.closingRequested();
}

void TDlgForm::FormClose() {
  ddeClientConv_.terminate();
  if (savePos_) {
    WindowPlace place;
    const Qt::WindowStates state = windowState();
    place.state = state.testFlag(Qt::WindowMinimized)   ? WindowState::Minimised
                  : state.testFlag(Qt::WindowMaximized) ? WindowState::Maximised
                                                        : WindowState::Normal;
    place.top = pos().y();
    place.left = pos().x();
    savePosition(rt_.os.registry, savedPositionKey(rt_.scriptPath), place, false);
  }
  focusElement_ = nullptr;
  for (auto& element : elements_) {
    delete element->icon;
    element->icon = nullptr;
  }
  owner_.formClosed(this);
}

void TDlgForm::ButtonClickEvent(const Element& button) { rt_.settings.eventText = upper(button.name) + "BUTTON"; }

void TDlgForm::MouseClickEvent(const Element& bitmap, Qt::MouseButton button, QPoint at) {
  const char* name = button == Qt::LeftButton     ? "LEFT"
                     : button == Qt::RightButton  ? "RIGHT"
                     : button == Qt::MiddleButton ? "CENTER"
                                                  : nullptr;
  if (name == nullptr) return;  // the mouse's extra buttons mean nothing here
  rt_.click = {name, at.x(), at.y()};
  rt_.settings.eventText = bitmap.name + "CLICK";
}

void TDlgForm::MenuClickEvent(const std::string& caption) { rt_.settings.eventText = upper(caption) + "MENU"; }

void TDlgForm::TaskIconClickEvent(TTaskIcon* icon) {
  for (const auto& element : elements_)
    if (element->icon == icon) rt_.settings.eventText = upper(element->name) + "ICON";
}

void TDlgForm::ComboExitEvent(Element& element) {
  auto* combo = static_cast<QComboBox*>(element.widget);
  const QString typed = combo->currentText();
  if (typed.isEmpty()) return;
  for (int i = 0; i < combo->count(); ++i)
    if (combo->itemText(i).compare(typed, Qt::CaseInsensitive) == 0) return;
  int at = 0;
  if (element.sorted)
    while (at < combo->count() && combo->itemText(at).compare(typed, Qt::CaseInsensitive) < 0) ++at;
  const std::string bytes = element.text.read(typed);
  combo->insertItem(at, typed, QByteArray::fromStdString(bytes));
  combo->setEditText(typed);  // inserting must not change what the field shows
}

void TDlgForm::focusChanged(QWidget* old, QWidget* now) {
  if (old == nullptr) return;
  for (auto& element : elements_) {
    const ElementBehaviour& kind = behaviourOf(element->kind);
    if (kind.focusLeft == nullptr) continue;
    QWidget* widget = element->widget;
    const bool wasInside = old == widget || widget->isAncestorOf(old);
    const bool isInside = now != nullptr && (now == widget || widget->isAncestorOf(now));
    if (wasInside && !isInside) kind.focusLeft(*this, *element);
  }
}

bool TDlgForm::eventFilter(QObject* watched, QEvent* event) {
  if (AppMessage(watched, event)) return true;
  return QWidget::eventFilter(watched, event);
}

bool TDlgForm::AppMessage(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  if (!dragDrop_) return false;
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (widget == nullptr || widget->window() != this) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  std::vector<std::string> files = droppedFiles(drop->mimeData());
  if (files.empty()) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    rt_.droppedFiles = std::move(files);  // a drop still held is replaced
    rt_.settings.eventText = "DRAGDROP";
  }
  return true;
}

void TDlgForm::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere but on a button presses the default button.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && defaultButton_ != nullptr &&
      defaultButton_->isEnabled() && defaultButton_->isVisible()) {
    defaultButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TDlgForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeStatusBars();
}

void TDlgForm::placeStatusBars() {
  for (QStatusBar* bar : statusBars_) {
    const int h = bar->sizeHint().height();
    bar->setGeometry(0, height() - h, width(), h);
  }
}

}  // namespace quillan::dialog
