#include "runtime/dialog/ElementKinds.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <algorithm>

#include "runtime/dialog/Dlgwin.h"
#include "runtime/dialog/Pictures.h"
#include "runtime/dialog/TextCodec.h"
#include "runtime/dialog/UserAction.h"
#include "runtime/functions/NumberText.h"

namespace quillan::dialog {
namespace {

using core::CreateResult;
using core::ElementKind;
using core::ElementSpec;

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// Puts the widget where the description says and makes it the element's.
CreateResult placed(Element& element, QWidget* widget, const ElementSpec& spec) {
  widget->setGeometry(spec.left, spec.top, spec.width, spec.height);
  element.widget = widget;
  return CreateResult::Created;
}

template <typename W>
W* widgetOf(const Element& element) {
  return static_cast<W*>(element.widget);
}

// --- BUTTON ----------------------------------------------------------------

CreateResult makeButton(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* button = new QPushButton(toDisplay(spec.text), &form);
  button->setAutoDefault(true);  // Enter presses the button that has the focus
  if (spec.defaultButton) {
    button->setDefault(true);
    form.setDefaultButton(button);
  }
  const Element* e = &element;
  QObject::connect(button, &QPushButton::clicked, &form, [&form, e] { form.ButtonClickEvent(*e); });
  return placed(element, button, spec);
}

void setButton(TDlgForm&, Element& element, std::string_view value) {
  widgetOf<QPushButton>(element)->setText(toDisplay(value));
}

void clickButton(Element& element, const UserAction&) {
  element.widget->setFocus(Qt::MouseFocusReason);  // a click takes the focus, as the mouse does
  widgetOf<QPushButton>(element)->click();
}

// --- EDIT ------------------------------------------------------------------

// Password fields show a star for every character, whatever the style's
// own choice of mark.
class StarPasswordStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* starPasswordStyle() {
  // Lives as long as the application, so no edit can outlive it.
  static QPointer<QStyle> style;
  if (!style) {
    style = new StarPasswordStyle;
    style->setParent(qApp);
  }
  return style;
}

CreateResult makeEdit(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* edit = new QLineEdit(&form);
  edit->setText(element.text.set(spec.text));
  if (spec.password) {
    edit->setStyle(starPasswordStyle());
    edit->setEchoMode(QLineEdit::Password);
  }
  return placed(element, edit, spec);
}

void readEdit(const Element& element, std::string& value) {
  value = element.text.read(widgetOf<QLineEdit>(element)->text());
}

void setEdit(TDlgForm&, Element& element, std::string_view value) {
  widgetOf<QLineEdit>(element)->setText(element.text.set(value));
}

void clearEdit(Element& element, bool) { widgetOf<QLineEdit>(element)->setText(element.text.set("")); }

QLineEdit* editField(Element& element) { return widgetOf<QLineEdit>(element); }

// --- TEXT ------------------------------------------------------------------

CreateResult makeText(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* label = new QLabel(toDisplayText(spec.text), &form);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(spec.height >= 30);
  label->setAutoFillBackground(!spec.transparent);
  element.autoSize = spec.width == 0;
  return placed(element, label, spec);
}

void setText(TDlgForm&, Element& element, std::string_view value) {
  auto* label = widgetOf<QLabel>(element);
  label->setText(toDisplayText(value));
  if (element.autoSize) label->adjustSize();
}

void clearText(Element& element, bool) {
  auto* label = widgetOf<QLabel>(element);
  label->clear();
  if (element.autoSize) label->adjustSize();
}

// --- CHECK -----------------------------------------------------------------

CreateResult makeCheck(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* check = new CheckElement(toDisplay(spec.text), &form);
  check->setState(spec.number);
  return placed(element, check, spec);
}

void readCheck(const Element& element, std::string& value) {
  value = widgetOf<CheckElement>(element)->checkState() == Qt::Checked ? "1" : "";
}

void setCheck(TDlgForm&, Element& element, std::string_view value) {
  widgetOf<CheckElement>(element)->setState(functions::integerRule(value));
}

void clearCheck(Element& element, bool) { widgetOf<CheckElement>(element)->setState(0); }

void checkCheck(Element& element, int state) {
  element.widget->setFocus(Qt::MouseFocusReason);
  widgetOf<CheckElement>(element)->setState(state);
}

// --- PROGRESS --------------------------------------------------------------

CreateResult makeProgress(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* bar = new QProgressBar(&form);
  bar->setRange(0, 100);
  bar->setTextVisible(false);
  bar->setValue(std::clamp(spec.number, 0, 100));
  return placed(element, bar, spec);
}

void setProgress(TDlgForm&, Element& element, std::string_view value) {
  widgetOf<QProgressBar>(element)->setValue(std::clamp(functions::integerRule(value), 0, 100));
}

void clearProgress(Element& element, bool) { widgetOf<QProgressBar>(element)->setValue(0); }

// --- STATUS ----------------------------------------------------------------

CreateResult makeStatus(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* bar = new QStatusBar(&form);
  bar->setSizeGripEnabled(false);
  element.statusText = new QLabel(toDisplay(spec.text), bar);
  bar->addWidget(element.statusText, 1);
  element.widget = bar;
  form.addStatusBar(bar);  // along the foot of the window, not placed
  return CreateResult::Created;
}

void setStatus(TDlgForm&, Element& element, std::string_view value) { element.statusText->setText(toDisplay(value)); }

void clearStatus(Element& element, bool) { element.statusText->clear(); }

// --- LIST ------------------------------------------------------------------

QListWidgetItem* selectedItem(const QListWidget& list) {
  QListWidgetItem* item = list.currentItem();
  return item != nullptr && item->isSelected() ? item : nullptr;
}

CreateResult makeList(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* list = new QListWidget(&form);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSortingEnabled(spec.sorted);
  return placed(element, list, spec);
}

void readList(const Element& element, std::string& value) {
  const QListWidgetItem* item = selectedItem(*widgetOf<QListWidget>(element));
  value = item != nullptr ? itemBytes(item->text(), item->data(kBytesRole)) : std::string();
}

void setList(TDlgForm&, Element& element, std::string_view value) {
  auto* list = widgetOf<QListWidget>(element);
  if (QListWidgetItem* item = selectedItem(*list)) {
    item->setText(toDisplay(value));
    item->setData(kBytesRole, bytesOf(value));
  } else {
    auto* added = new QListWidgetItem(toDisplay(value));
    added->setData(kBytesRole, bytesOf(value));
    list->addItem(added);
  }
}

void clearList(Element& element, bool selectedOnly) {
  auto* list = widgetOf<QListWidget>(element);
  if (!selectedOnly) {
    list->clear();
  } else if (QListWidgetItem* item = selectedItem(*list)) {
    delete list->takeItem(list->row(item));
    // The selection does not move on to a neighbour: a second CLEARSEL
    // must not remove an item nobody chose.
    list->clearSelection();
    list->setCurrentRow(-1);
  }
}

bool selectInList(Element& element, const UserAction& action) {
  auto* list = widgetOf<QListWidget>(element);
  const int row = matchText(
      list->count(), [list](int i) { return list->item(i)->text(); }, toDisplay(action.text));
  if (row < 0) return false;
  list->setFocus(Qt::MouseFocusReason);
  list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  return true;
}

// --- BITMAP ----------------------------------------------------------------

// Shows the picture, or hides the bitmap when it cannot be read; true when
// it was read.
bool showPicture(TDlgForm& form, BitmapElement& bitmap, std::string_view file) {
  const auto picture = loadPicture(form.runtime(), file);
  if (picture) {
    bitmap.showPicture(*picture);
  } else {
    bitmap.hide();
  }
  return picture.has_value();
}

CreateResult makeBitmap(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* bitmap = new BitmapElement(spec.width == 0, spec.stretch, &form);
  // Placed before the picture, which sizes a bitmap of width 0 to itself.
  placed(element, bitmap, spec);
  showPicture(form, *bitmap, spec.text);
  if (spec.clickable) {
    const Element* e = &element;
    bitmap->onPress = [&form, e](Qt::MouseButton button, QPoint at) { form.MouseClickEvent(*e, button, at); };
    if (spec.cursor == core::ClickCursor::Hand) bitmap->setCursor(Qt::PointingHandCursor);
    if (spec.cursor == core::ClickCursor::Cross) bitmap->setCursor(Qt::CrossCursor);
  }
  return CreateResult::Created;
}

void setBitmap(TDlgForm& form, Element& element, std::string_view value) {
  form.runtime().success = showPicture(form, *widgetOf<BitmapElement>(element), value);
}

void clearBitmap(Element& element, bool) { element.widget->hide(); }

void clickBitmap(Element& element, const UserAction& action) {
  const Qt::MouseButton button = action.button == "RIGHT"    ? Qt::RightButton
                                 : action.button == "CENTER" ? Qt::MiddleButton
                                                             : Qt::LeftButton;
  const QPointF local(QPoint(action.x, action.y));
  const QPointF global = element.widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(element.widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(element.widget, &release);
}

// --- RADIO -----------------------------------------------------------------

CreateResult makeRadio(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* radio = new RadioElement(spec.items, &form);
  radio->setTitle(toDisplay(spec.text));
  radio->select(spec.selected);
  return placed(element, radio, spec);
}

void readRadio(const Element& element, std::string& value) { value = widgetOf<RadioElement>(element)->selectedText(); }

void setRadio(TDlgForm&, Element& element, std::string_view value) { widgetOf<RadioElement>(element)->select(value); }

void clearRadio(Element& element, bool) { widgetOf<RadioElement>(element)->selectNone(); }

bool selectInRadio(Element& element, const UserAction& action) {
  QRadioButton* button = widgetOf<RadioElement>(element)->buttonFor(action.text);
  if (button == nullptr) return false;
  button->setFocus(Qt::MouseFocusReason);
  button->click();
  return true;
}

// --- COMBO -----------------------------------------------------------------

CreateResult makeCombo(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* combo = new QComboBox(&form);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // typed texts join the items when the focus leaves
  combo->setEditText(element.text.set(spec.text));
  element.sorted = spec.sorted;
  return placed(element, combo, spec);
}

void readCombo(const Element& element, std::string& value) {
  const auto* combo = widgetOf<QComboBox>(element);
  const QString shown = combo->currentText();
  value = element.text.read(shown);
  // A text picked from the items reads as that item's bytes.
  if (value != fromDisplay(shown)) return;
  for (int i = 0; i < combo->count(); ++i)
    if (combo->itemText(i) == shown) value = itemBytes(shown, combo->itemData(i, kBytesRole));
}

void setCombo(TDlgForm&, Element& element, std::string_view value) {
  widgetOf<QComboBox>(element)->setEditText(element.text.set(value));
}

void clearCombo(Element& element, bool) { widgetOf<QComboBox>(element)->setEditText(element.text.set("")); }

void leaveCombo(TDlgForm& form, Element& element) { form.ComboExitEvent(element); }

QLineEdit* comboField(Element& element) { return widgetOf<QComboBox>(element)->lineEdit(); }

bool selectInCombo(Element& element, const UserAction& action) {
  auto* combo = widgetOf<QComboBox>(element);
  const int index = matchText(
      combo->count(), [combo](int i) { return combo->itemText(i); }, toDisplay(action.text));
  if (index < 0) return false;
  combo->setFocus(Qt::MouseFocusReason);
  combo->setCurrentIndex(index);
  return true;
}

// --- TASKICON --------------------------------------------------------------

CreateResult makeTaskIcon(TDlgForm& form, Element& element, const ElementSpec& spec) {
  auto* icon = new TTaskIcon(form.trayShell(), &form);
  icon->setObjectName(toDisplay(spec.name));
  QIcon image = QApplication::windowIcon();
  if (!spec.text.empty()) {
    const auto picture = loadPicture(form.runtime(), spec.text);
    if (!picture) {
      delete icon;
      return CreateResult::IconNotLoaded;
    }
    image = QIcon(*picture);
  }
  if (image.isNull()) image = form.style()->standardIcon(QStyle::SP_ComputerIcon);
  icon->setIcon(image);
  icon->setToolTip(spec.tip);
  icon->setActive(true);
  icon->OnClick = [&form](TTaskIcon* sender) { form.TaskIconClickEvent(sender); };
  element.icon = icon;
  return CreateResult::Created;
}

void setTaskIcon(TDlgForm&, Element& element, std::string_view value) {
  if (element.icon != nullptr) element.icon->setToolTip(value);
}

}  // namespace

std::string itemBytes(const QString& shown, const QVariant& stored) {
  if (stored.isValid()) {
    const QByteArray bytes = stored.toByteArray();
    const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (toDisplay(text) == shown) return text;
  }
  return fromDisplay(shown);
}

// Rows in the order of core::ElementKind; the kinds that make no element
// (STYLE, DLGTYPE, POPUP) have rows with nothing in them.
// clang-format off
const ElementBehaviour kElementBehaviours[core::kElementKindCount] = {
    {.kind = ElementKind::Style},
    {.kind = ElementKind::Button, .make = makeButton, .set = setButton, .style = StyleReach::Font,
     .click = clickButton},
    {.kind = ElementKind::Edit, .make = makeEdit, .read = readEdit, .set = setEdit, .clear = clearEdit,
     .style = StyleReach::FieldColours, .typingField = editField},
    {.kind = ElementKind::Text, .make = makeText, .set = setText, .clear = clearText, .style = StyleReach::All,
     .focusable = false},
    {.kind = ElementKind::DlgType},
    {.kind = ElementKind::Check, .make = makeCheck, .read = readCheck, .set = setCheck, .clear = clearCheck,
     .check = checkCheck},
    {.kind = ElementKind::Progress, .make = makeProgress, .set = setProgress, .clear = clearProgress},
    {.kind = ElementKind::Status, .make = makeStatus, .set = setStatus, .clear = clearStatus,
     .style = StyleReach::Font},
    {.kind = ElementKind::List, .make = makeList, .read = readList, .set = setList, .clear = clearList,
     .style = StyleReach::FieldColours, .select = selectInList},
    {.kind = ElementKind::Bitmap, .make = makeBitmap, .set = setBitmap, .clear = clearBitmap, .focusable = false,
     .click = clickBitmap},
    {.kind = ElementKind::Popup},
    {.kind = ElementKind::Radio, .make = makeRadio, .read = readRadio, .set = setRadio, .clear = clearRadio,
     .select = selectInRadio},
    {.kind = ElementKind::Combo, .make = makeCombo, .read = readCombo, .set = setCombo, .clear = clearCombo,
     .style = StyleReach::FieldColours, .focusLeft = leaveCombo, .typingField = comboField,
     .select = selectInCombo},
    {.kind = ElementKind::TaskIcon, .make = makeTaskIcon, .set = setTaskIcon},
};
// clang-format on

}  // namespace quillan::dialog
