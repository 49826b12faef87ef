#include "runtime/dialog/ActionPlayer.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "runtime/dialog/ElementKinds.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

// A person can only act on what is shown and enabled. A tray icon has no
// widget: only the actions meant for it reach it, and the others say so.
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

bool click(Element& element, const UserAction& action, std::string& problem) {
  if (element.widget != nullptr && !reachable(element.widget, problem)) return false;
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.click == nullptr) {
    problem = "is not a button or a bitmap";
    return false;
  }
  kind.click(element, action);
  return true;
}

bool type(Element& element, const UserAction& action, std::string& problem) {
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.typingField == nullptr) {
    problem = "is not an edit or a combo box";
    return false;
  }
  if (!reachable(element.widget, problem)) return false;
  QLineEdit* edit = kind.typingField(element);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
  edit->insert(toDisplay(action.text));
  return true;
}

bool check(Element& element, const UserAction& action, std::string& problem) {
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.check == nullptr) {
    problem = "is not a check box";
    return false;
  }
  if (!reachable(element.widget, problem)) return false;
  kind.check(element, action.state);
  return true;
}

bool select(Element& element, const UserAction& action, std::string& problem) {
  if (element.widget != nullptr && !reachable(element.widget, problem)) return false;
  const ElementBehaviour& kind = behaviourOf(element.kind);
  if (kind.select == nullptr) {
    problem = "is not a list, a combo box or a radio group";
    return false;
  }
  if (kind.select(element, action)) return true;
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
  if (element.icon == nullptr) {
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
