#include "runtime/dialog/ActionPlayer.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

using core::ElementKind;

// A person can only act on what is shown and enabled.
bool reachable(const QWidget* widget, std::string& problem) {
  if (!widget->isVisible()) {
    problem = "is hidden";
    return false;
  }
  if (!widget->isEnabled()) {
    problem = "is disabled";
    return false;
  }
  return true;
}

// The first of the candidates whose text equals text, else the first that
// equals it ignoring case; -1 when none does.
template <typename TextAt>
int matchText(int count, TextAt textAt, const QString& text) {
  for (int i = 0; i < count; ++i)
    if (textAt(i) == text) return i;
  for (int i = 0; i < count; ++i)
    if (textAt(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void pressMouse(QWidget* widget, Qt::MouseButton button, QPoint at) {
  const QPointF local(at);
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

bool click(Element& element, const UserAction& action, std::string& problem) {
  if (!reachable(element.widget, problem)) return false;
  if (element.kind == ElementKind::Bitmap) {
    const Qt::MouseButton button = action.button == "RIGHT"    ? Qt::RightButton
                                   : action.button == "CENTER" ? Qt::MiddleButton
                                                               : Qt::LeftButton;
    pressMouse(element.widget, button, QPoint(action.x, action.y));
    return true;
  }
  if (element.kind != ElementKind::Button) {
    problem = "is not a button or a bitmap";
    return false;
  }
  element.widget->setFocus(Qt::MouseFocusReason);  // a click takes the focus, as the mouse does
  static_cast<QPushButton*>(element.widget)->click();
  return true;
}

bool type(Element& element, const UserAction& action, std::string& problem) {
  QLineEdit* edit = nullptr;
  if (element.kind == ElementKind::Edit) edit = static_cast<QLineEdit*>(element.widget);
  if (element.kind == ElementKind::Combo) edit = static_cast<QComboBox*>(element.widget)->lineEdit();
  if (edit == nullptr) {
    problem = "is not an edit or a combo box";
    return false;
  }
  if (!reachable(element.widget, problem)) return false;
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  edit->insert(toDisplay(action.text));
  return true;
}

bool check(Element& element, const UserAction& action, std::string& problem) {
  if (element.kind != ElementKind::Check) {
    problem = "is not a check box";
    return false;
  }
  if (!reachable(element.widget, problem)) return false;
  element.widget->setFocus(Qt::MouseFocusReason);
  static_cast<CheckElement*>(element.widget)->setState(action.state);
  return true;
}

bool select(Element& element, const UserAction& action, std::string& problem) {
  if (!reachable(element.widget, problem)) return false;
  const QString text = toDisplay(action.text);
  switch (element.kind) {
    case ElementKind::List: {
      auto* list = static_cast<QListWidget*>(element.widget);
      const int row = matchText(
          list->count(), [list](int i) { return list->item(i)->text(); }, text);
      if (row < 0) break;
      list->setFocus(Qt::MouseFocusReason);
      list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
      return true;
    }
    case ElementKind::Combo: {
      auto* combo = static_cast<QComboBox*>(element.widget);
      const int index = matchText(
          combo->count(), [combo](int i) { return combo->itemText(i); }, text);
      if (index < 0) break;
      combo->setFocus(Qt::MouseFocusReason);
      combo->setCurrentIndex(index);
      return true;
    }
    case ElementKind::Radio: {
      QRadioButton* button = static_cast<RadioElement*>(element.widget)->buttonFor(action.text);
      if (button == nullptr) break;
      button->setFocus(Qt::MouseFocusReason);
      button->click();
      return true;
    }
    default:
      problem = "is not a list, a combo box or a radio group";
      return false;
  }
  problem = "has no item \"" + action.text + "\"";
  return false;
}

bool menu(TDlgForm& form, const UserAction& action, std::string& problem) {
  QMenu* popup = form.popupMenu();
  if (popup == nullptr) {
    problem = "finds no popup menu";
    return false;
  }
  const QList<QAction*> actions = popup->actions();
  const int index = matchText(
      static_cast<int>(actions.size()), [&actions](int i) { return actions[i]->text(); }, toDisplay(action.text));
  if (index < 0) {
    problem = "finds no such menu item";
    return false;
  }
  actions[index]->trigger();
  return true;
}

bool drop(TDlgForm& form, const UserAction& action, std::string& problem) {
  QMimeData data;
  QList<QUrl> urls;
  for (const auto& path : action.paths) urls << QUrl::fromLocalFile(QFileInfo(toDisplay(path)).absoluteFilePath());
  data.setUrls(urls);
  const QPoint centre = form.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) {
    problem = "finds a window that takes no dropped files";
    return false;
  }
  QDropEvent dropped(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &dropped);
  return true;
}

bool tray(Element& element, std::string& problem) {
  if (element.kind != ElementKind::TaskIcon || element.icon == nullptr) {
    problem = "is not a tray icon";
    return false;
  }
  if (!element.icon->Active()) {
    problem = "is not in the notification area";
    return false;
  }
  // What the shell sends when the left button is released on the icon.
  element.icon->shellMessage(TTaskIcon::kCallbackMessage, element.icon->TaskIconID(), TTaskIcon::kLeftButtonUp);
  return true;
}

}  // namespace

bool performUserAction(TDlgForm& form, const UserAction& action, std::string& problem) {
  switch (action.kind) {
    case ActionKind::Close:
      form.close();
      return true;
    case ActionKind::Menu:
      return menu(form, action, problem);
    case ActionKind::Drop:
      return drop(form, action, problem);
    default:
      break;
  }
  Element* element = form.find(action.name);
  if (element == nullptr) {
    problem = "finds no element " + action.name;
    return false;
  }
  switch (action.kind) {
    case ActionKind::Click:
      return click(*element, action, problem);
    case ActionKind::Type:
      return type(*element, action, problem);
    case ActionKind::Check:
      return check(*element, action, problem);
    case ActionKind::Select:
      return select(*element, action, problem);
    case ActionKind::Tray:
      return tray(*element, problem);
    default:
      return false;
  }
}

}  // namespace quillan::dialog
