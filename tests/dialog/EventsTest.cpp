// What the window's handlers leave in the event slot, the close sequence,
// file drops, and WAIT EVENT ended by a real window event.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "DialogWindowFixture.h"

namespace quillan::testing {
namespace {

using Events = DialogWindow;

void press(QWidget* widget, Qt::MouseButton button, QPoint at) {
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)), button, button,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

bool dropFiles(QWidget* target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return true;
}

TEST_F(Events, EachHandlerNamesWhatHappened) {
  ASSERT_EQ(line("DIALOG CREATE,Events,20,30,300,200,BUTTON(ok),BITMAP(Map1;50;50;;;/work/pic.png;CLICK),"
                 "BITMAP(Plain;90;90;;;/work/pic.png),POPUP(Open|sa&ve),TASKICON(Tray)"),
            0);
  struct Case {
    std::string what;
    std::function<void()> act;
    std::string event;
  };
  const std::vector<Case> cases = {
      {"button", [&] { widget<QPushButton>("ok")->click(); }, "OKBUTTON"},
      {"left press",
       [&] {
         press(widget<QWidget>("Map1"), Qt::LeftButton, {3, 4});
       },
       "Map1CLICK"},
      {"menu", [&] { form().popupMenu()->actions().at(1)->trigger(); }, "SA&VEMENU"},
      {"tray", [&] { shell.requests.back().data.owner->shellMessage(1024, 0, 514); }, "TRAYICON"},
      {"tray double-click", [&] { shell.requests.back().data.owner->shellMessage(1024, 0, 515); }, ""},
      {"press on a picture that is not clickable",
       [&] {
         press(widget<QWidget>("Plain"), Qt::LeftButton, {1, 1});
       },
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    rt.settings.eventText.clear();
    c.act();
    EXPECT_EQ(rt.settings.eventText, c.event);
  }
}

TEST_F(Events, BitmapPressesFillTheClickRecord) {
  ASSERT_EQ(line("DIALOG CREATE,Clicks,20,30,300,200,BITMAP(Map1;50;50;;;/work/pic.png;CROSS)"), 0);
  const std::vector<std::pair<Qt::MouseButton, std::string>> buttons = {
      {Qt::LeftButton, "LEFT"}, {Qt::RightButton, "RIGHT"}, {Qt::MiddleButton, "CENTER"}};
  int x = 1;
  for (const auto& [button, name] : buttons) {
    SCOPED_TRACE(name);
    press(widget<QWidget>("Map1"), button, {x, 2 * x});
    EXPECT_EQ(value("@event()"), "Map1CLICK");
    EXPECT_EQ(value("@click(button)"), name);
    EXPECT_EQ(value("@click(X)"), std::to_string(x));
    EXPECT_EQ(value("@click(Y)"), std::to_string(2 * x));
    ++x;
  }
  EXPECT_EQ(widget<QWidget>("Map1")->cursor().shape(), Qt::CrossCursor);
}

TEST_F(Events, EnterPressesTheDefaultButtonAndTheOneWithTheFocus) {
  ASSERT_EQ(line("DIALOG CREATE,Enter,20,30,300,200,EDIT(E1),BUTTON(Go),BUTTON(Other)"), 0);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(widget<QLineEdit>("E1"), &enter);
  EXPECT_EQ(value("@event()"), "GOBUTTON");
  QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(widget<QPushButton>("Other"), &again);
  EXPECT_EQ(value("@event()"), "OTHERBUTTON");
}

TEST_F(Events, AComboKeepsWhatWasTypedWhenTheFocusLeaves) {
  ASSERT_EQ(line("DIALOG CREATE,Combo,20,30,300,200,COMBO(C1;;;;;;SORTED),EDIT(E1)"), 0);
  auto* combo = widget<QComboBox>("C1");
  QApplication::setActiveWindow(&form());
  for (const char* typed : {"pear", "apple", "PEAR", ""}) {
    combo->setFocus();
    combo->setEditText(QString::fromLatin1(typed));
    widget<QLineEdit>("E1")->setFocus();
    QApplication::processEvents();
  }
  ASSERT_EQ(combo->count(), 2);  // nothing empty, nothing twice ignoring case
  EXPECT_EQ(combo->itemText(0), "apple");
  EXPECT_EQ(combo->itemText(1), "pear");
}

TEST_F(Events, CloseRequestsFromOutsideAreRefusedAndReported) {
  ASSERT_EQ(line("DIALOG CREATE,Close,20,30,300,200"), 0);
  EXPECT_FALSE(form().close());  // the close box
  EXPECT_TRUE(host->exists());
  EXPECT_TRUE(form().isVisible());
  EXPECT_EQ(rt.settings.eventText, "CLOSE");

  rt.settings.eventText.clear();
  ASSERT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_FALSE(host->exists());
  EXPECT_EQ(rt.settings.eventText, "CLOSE");
  EXPECT_EQ(line("DIALOG SHOW,X"), 22);
  EXPECT_EQ(line("DIALOG CREATE,Again,20,30,300,200"), 0);  // a new one may follow

  // Once the script has ended, a close request is accepted.
  rt.stop = true;
  EXPECT_TRUE(form().close());
  EXPECT_FALSE(host->exists());
  rt.stop = false;
}

TEST_F(Events, WaitEventEndsWhenTheCloseBoxIsClicked) {
  ASSERT_EQ(line("DIALOG CREATE,Wait,20,30,300,200"), 0);
  QTimer::singleShot(0, &form(), [this] { form().close(); });
  ASSERT_EQ(line("WAIT EVENT,5"), 0);
  EXPECT_EQ(value("@event()"), "CLOSE");
  EXPECT_TRUE(host->exists());
}

TEST_F(Events, DroppedFilesAreKeptUntilTheWindowIsAskedToClose) {
  ASSERT_EQ(line("DIALOG CREATE,Drops,20,30,300,200,EDIT(E1)"), 0);
  const QList<QUrl> files = {QUrl::fromLocalFile("/tmp/a.txt"), QUrl::fromLocalFile("/tmp/b c.txt")};
  EXPECT_FALSE(dropFiles(&form(), files));  // without DRAGDROP no drop is taken
  closeDialog();

  ASSERT_EQ(line("DIALOG CREATE,Drops,20,30,300,200,EDIT(E1),DLGTYPE(DRAGDROP)"), 0);
  EXPECT_FALSE(dropFiles(&form(), {QUrl("https://example.org/x")}));  // only files
  ASSERT_TRUE(dropFiles(widget<QLineEdit>("E1"), files));             // anywhere on the window
  EXPECT_EQ(rt.settings.eventText, "DRAGDROP");
  EXPECT_EQ(rt.droppedFiles, (std::vector<std::string>{"/tmp/a.txt", "/tmp/b c.txt"}));
  EXPECT_TRUE(widget<QLineEdit>("E1")->text().isEmpty());  // the edit did not take the drop

  ASSERT_TRUE(dropFiles(&form(), {QUrl::fromLocalFile("/tmp/z")}));
  EXPECT_EQ(rt.droppedFiles, std::vector<std::string>{"/tmp/z"});  // the last drop replaces one still held

  form().close();  // refused, but drops end here
  EXPECT_TRUE(rt.droppedFiles.empty());
  EXPECT_FALSE(dropFiles(&form(), files));
}

TEST_F(Events, ThePopupMenuIsReplacedByALaterOne) {
  ASSERT_EQ(line("DIALOG CREATE,Menus,20,30,300,200,POPUP(A|B),POPUP(C)"), 0);
  ASSERT_EQ(form().popupMenu()->actions().size(), 1);
  EXPECT_EQ(form().popupMenu()->actions().front()->text(), "C");
  ASSERT_EQ(line("DIALOG POPUP"), 0);
  EXPECT_TRUE(form().popupMenu()->isVisible());
  form().popupMenu()->hide();
}

}  // namespace
}  // namespace quillan::testing
