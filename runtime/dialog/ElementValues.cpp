// The value of an element as the script reads, sets and clears it: one
// rule per element kind.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <algorithm>

#include "runtime/dialog/Dlgwin.h"
#include "runtime/dialog/Pictures.h"
#include "runtime/dialog/TextCodec.h"
#include "runtime/functions/NumberText.h"

namespace quillan::dialog {
namespace {

using core::ElementKind;
using core::ElementResult;

constexpr int kBytesRole = Qt::UserRole;

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// The bytes behind an item text: those the script gave, unless the text
// has changed since.
std::string itemBytes(const QString& shown, const QVariant& stored) {
  if (stored.isValid()) {
    const QByteArray bytes = stored.toByteArray();
    const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (toDisplay(text) == shown) return text;
  }
  return fromDisplay(shown);
}

QListWidgetItem* selectedItem(const QListWidget& list) {
  QListWidgetItem* item = list.currentItem();
  return item != nullptr && item->isSelected() ? item : nullptr;
}

}  // namespace

ElementResult TDlgForm::readValue(const Element& element, std::string& value) const {
  switch (element.kind) {
    case ElementKind::Edit:
      value = element.text.read(static_cast<QLineEdit*>(element.widget)->text());
      break;
    case ElementKind::Combo: {
      const auto* combo = static_cast<QComboBox*>(element.widget);
      const QString shown = combo->currentText();
      value = element.text.read(shown);
      // A text picked from the items reads as that item's bytes.
      if (value != fromDisplay(shown)) break;
      for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == shown) value = itemBytes(shown, combo->itemData(i, kBytesRole));
      break;
    }
    case ElementKind::Check:
      value = static_cast<CheckElement*>(element.widget)->checkState() == Qt::Checked ? "1" : "";
      break;
    case ElementKind::List: {
      const QListWidgetItem* item = selectedItem(*static_cast<QListWidget*>(element.widget));
      value = item != nullptr ? itemBytes(item->text(), item->data(kBytesRole)) : std::string();
      break;
    }
    case ElementKind::Radio:
      value = static_cast<RadioElement*>(element.widget)->selectedText();
      break;
    default:
      return ElementResult::Unsupported;
  }
  return ElementResult::Done;
}

void TDlgForm::setValue(Element& element, std::string_view value) {
  switch (element.kind) {
    case ElementKind::Edit:
      static_cast<QLineEdit*>(element.widget)->setText(element.text.set(value));
      break;
    case ElementKind::Combo:
      static_cast<QComboBox*>(element.widget)->setEditText(element.text.set(value));
      break;
    case ElementKind::Check:
      static_cast<CheckElement*>(element.widget)->setState(functions::integerRule(value));
      break;
    case ElementKind::List: {
      auto* list = static_cast<QListWidget*>(element.widget);
      if (QListWidgetItem* item = selectedItem(*list)) {
        item->setText(toDisplay(value));
        item->setData(kBytesRole, bytesOf(value));
      } else {
        auto* added = new QListWidgetItem(toDisplay(value));
        added->setData(kBytesRole, bytesOf(value));
        list->addItem(added);
      }
      break;
    }
    case ElementKind::Radio:
      static_cast<RadioElement*>(element.widget)->select(value);
      break;
    case ElementKind::Text:
    case ElementKind::Button:
      if (auto* label = qobject_cast<QLabel*>(element.widget)) {
        label->setText(toDisplayText(value));
        if (element.autoSize) label->adjustSize();
      } else {
        static_cast<QPushButton*>(element.widget)->setText(toDisplay(value));
      }
      break;
    case ElementKind::Status:
      element.statusText->setText(toDisplay(value));
      break;
    case ElementKind::Progress:
      static_cast<QProgressBar*>(element.widget)->setValue(std::clamp(functions::integerRule(value), 0, 100));
      break;
    case ElementKind::Bitmap: {
      auto* bitmap = static_cast<BitmapElement*>(element.widget);
      const auto picture = loadPicture(rt_, value);
      if (picture) {
        bitmap->showPicture(*picture);
      } else {
        bitmap->hide();
      }
      rt_.success = picture.has_value();
      break;
    }
    case ElementKind::TaskIcon:
      if (element.icon != nullptr) element.icon->setToolTip(value);
      break;
    default:
      break;
  }
}

ElementResult TDlgForm::clearValue(Element& element, bool selectedOnly) {
  switch (element.kind) {
    case ElementKind::Edit:
      static_cast<QLineEdit*>(element.widget)->setText(element.text.set(""));
      break;
    case ElementKind::Combo:
      static_cast<QComboBox*>(element.widget)->setEditText(element.text.set(""));
      break;
    case ElementKind::Check:
      static_cast<CheckElement*>(element.widget)->setState(0);
      break;
    case ElementKind::List: {
      auto* list = static_cast<QListWidget*>(element.widget);
      if (!selectedOnly) {
        list->clear();
      } else if (QListWidgetItem* item = selectedItem(*list)) {
        delete list->takeItem(list->row(item));
        // The selection does not move on to a neighbour: a second
        // CLEARSEL must not remove an item nobody chose.
        list->clearSelection();
        list->setCurrentRow(-1);
      }
      break;
    }
    case ElementKind::Radio:
      static_cast<RadioElement*>(element.widget)->selectNone();
      break;
    case ElementKind::Text: {
      auto* label = static_cast<QLabel*>(element.widget);
      label->clear();
      if (element.autoSize) label->adjustSize();
      break;
    }
    case ElementKind::Status:
      element.statusText->clear();
      break;
    case ElementKind::Progress:
      static_cast<QProgressBar*>(element.widget)->setValue(0);
      break;
    case ElementKind::Bitmap:
      element.widget->hide();
      break;
    default:
      return ElementResult::Unsupported;
  }
  return ElementResult::Done;
}

void TDlgForm::act(Element& element, core::ElementAction action) {
  if (element.kind == ElementKind::TaskIcon) {
    // Only the notification area knows the icon: enabling and disabling
    // put it there and take it away; focus and visibility mean nothing.
    if (element.icon == nullptr) return;
    if (action == core::ElementAction::Enable) element.icon->setActive(true);
    if (action == core::ElementAction::Disable) element.icon->setActive(false);
    return;
  }
  QWidget* widget = element.widget;
  switch (action) {
    case core::ElementAction::Focus:
      if (element.kind != ElementKind::Text && element.kind != ElementKind::Bitmap) widget->setFocus();
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

}  // namespace quillan::dialog
