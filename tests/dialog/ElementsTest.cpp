// The real dialog window: what each element kind looks like, and how the
// script reads, sets and clears it.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <fstream>
#include <sstream>

#include "DialogWindowFixture.h"
#include "runtime/dialog/DialogGeometry.h"

namespace quillan::testing {
namespace {

using Elements = DialogWindow;

// One of every element kind.
const char* const kEveryKind =
    "DIALOG CREATE,Every kind,20,30,400,300,EDIT(E1;10;10;;;start),COMBO(C1;40;10;;;one),CHECK(K1;70;10;;;Tick),"
    "LIST(L1;10;200;150;80),RADIO(R1;100;200;;;Pick;One|Two|Three;two),TEXT(T1;130;10;;;Label),"
    "STATUS(S1;ready),BUTTON(B1;160;10),PROGRESS(P1;190;10;;;25),BITMAP(M1;220;10;;;/work/pic.png),"
    "TASKICON(I1;;tip)";

struct ValueCase {
  std::string name, set;
  int readError;         // error of @dlgtext after the set
  std::string readBack;  // its value
  int clearError;        // error of DIALOG CLEAR
  std::string cleared;   // @dlgtext after the clear, when it has a value
};

TEST_F(Elements, EveryKindReadsSetsAndClearsByItsRule) {
  ASSERT_EQ(line(kEveryKind), 0);
  const std::vector<ValueCase> cases = {
      {"E1", "abc", 0, "abc", 0, ""},     {"C1", "xyz", 0, "xyz", 0, ""},    {"K1", "1", 0, "1", 0, ""},
      {"K1", "2", 0, "", 0, ""},                                         // greyed reads as not checked
      {"K1", "", 0, "", 0, ""},                                          // empty counts as 0
      {"R1", "THREE", 0, "Three", 0, ""}, {"R1", "none", 0, "", 0, ""},  // no match leaves no button selected
      {"T1", "New label", 23, "", 0, ""}, {"S1", "busy", 23, "", 0, ""},     {"B1", "Go", 23, "", 23, ""},
      {"P1", "40", 23, "", 0, ""},        {"I1", "new tip", 23, "", 23, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " = " + c.set);
    ASSERT_EQ(line("DIALOG SET," + c.name + "," + c.set), 0);
    EXPECT_EQ(line("%Z = @dlgtext(" + c.name + ")"), c.readError);
    if (c.readError == 0) {
      EXPECT_EQ(rt.vars[34], c.readBack);
    }
    EXPECT_EQ(line("DIALOG CLEAR," + c.name), c.clearError);
    if (c.readError == 0) {
      EXPECT_EQ(value("@dlgtext(" + c.name + ")"), c.cleared);
    }
  }
  // The kinds that cannot be read still took their values.
  line("DIALOG SET,T1,Shown");
  line("DIALOG SET,S1,Status text");
  line("DIALOG SET,B1,Go");
  line("DIALOG SET,P1,55");
  EXPECT_EQ(widget<QLabel>("T1")->text(), "Shown");
  EXPECT_EQ(widget<QStatusBar>("S1")->findChild<QLabel*>()->text(), "Status text");
  EXPECT_EQ(widget<QPushButton>("B1")->text(), "Go");
  EXPECT_EQ(widget<QProgressBar>("P1")->value(), 55);
  line("DIALOG SET,P1,250");
  EXPECT_EQ(widget<QProgressBar>("P1")->value(), 100);
  line("DIALOG CLEAR,P1");
  EXPECT_EQ(widget<QProgressBar>("P1")->value(), 0);
  line("DIALOG SET,I1,a tip");
  EXPECT_EQ(shell.requests.back().data.tip, "a tip");
}

TEST_F(Elements, ListsReplaceTheSelectedItemOrAddOne) {
  ASSERT_EQ(line("DIALOG CREATE,Lists,20,30,400,300,LIST(L1),LIST(L2;;;;;SORTED)"), 0);
  for (const char* item : {"pear", "apple", "fig"}) {
    line(std::string("DIALOG SET,L1,") + item);
    line(std::string("DIALOG SET,L2,") + item);
  }
  auto* list = widget<QListWidget>("L1");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "pear");
  EXPECT_EQ(widget<QListWidget>("L2")->item(0)->text(), "apple");
  EXPECT_EQ(value("@dlgtext(L1)"), "");  // nothing selected yet

  list->setCurrentRow(1);
  EXPECT_EQ(value("@dlgtext(L1)"), "apple");
  line("DIALOG SET,L1,banana");
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(value("@dlgtext(L1)"), "banana");

  ASSERT_EQ(line("DIALOG CLEARSEL,L1"), 0);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(line("DIALOG CLEARSEL,L1"), 0);  // no selection: unchanged
  EXPECT_EQ(list->count(), 2);
  ASSERT_EQ(line("DIALOG CLEAR,L1"), 0);
  EXPECT_EQ(list->count(), 0);
}

TEST_F(Elements, ElementsAreBuiltAsTheirDescriptionsSay) {
  ASSERT_EQ(line("DIALOG CREATE,Hello,20,30,200,100,BUTTON(OK;50;70;;;Close),BUTTON(B2),EDIT(E1;;;;;;PASSWORD),"
                 "TEXT(T1;5;5;;;Hello),TEXT(T2;5;5;100;40;Hello there),RADIO(R1;10;10;;;Pick;One|Two|Three;two),"
                 "CHECK(K1;;;;;Grey;2),STATUS(S1;ready),BITMAP(M1;3;4;;;/work/pic.png;HAND),"
                 "BITMAP(M2;3;4;10;10;/work/pic.png;STRETCH),BITMAP(M3;3;4;;;/work/missing.wmf)"),
            0);
  EXPECT_EQ(form().windowTitle(), "Hello");
  auto* ok = widget<QPushButton>("OK");
  EXPECT_EQ(ok->geometry(), QRect(70, 50, 64, 24));
  EXPECT_EQ(ok->text(), "Close");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(widget<QPushButton>("B2")->isDefault());
  EXPECT_EQ(widget<QPushButton>("B2")->text(), "B2");  // an empty caption is the name

  auto* edit = widget<QLineEdit>("E1");
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
  EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), '*');
  EXPECT_EQ(edit->geometry(), QRect(10, 10, 180, 18));  // the line height at 96 pixels per inch
  settle();
  EXPECT_TRUE(ok->hasFocus());  // the first element that can take the focus

  auto* sized = widget<QLabel>("T1");
  EXPECT_EQ(sized->width(), sized->sizeHint().width());  // width 0: sizes itself to its caption
  EXPECT_FALSE(sized->wordWrap());
  EXPECT_TRUE(widget<QLabel>("T2")->wordWrap());  // 30 or more high: wraps its words

  auto* radio = widget<QGroupBox>("R1");
  EXPECT_EQ(radio->geometry(), QRect(10, 10, 80, 72));
  const auto buttons = radio->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 3);
  EXPECT_TRUE(buttons[1]->isChecked());
  EXPECT_EQ(widget<QCheckBox>("K1")->checkState(), Qt::PartiallyChecked);

  auto* status = widget<QStatusBar>("S1");
  EXPECT_FALSE(status->isSizeGripEnabled());
  EXPECT_EQ(status->geometry().bottom(), form().height() - 1);
  EXPECT_EQ(status->width(), form().width());

  auto* picture = widget<QLabel>("M1");
  EXPECT_TRUE(picture->isVisible());
  EXPECT_EQ(picture->size(), QSize(40, 30));  // width 0: the picture's size
  EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(widget<QLabel>("M2")->hasScaledContents());
  EXPECT_EQ(widget<QLabel>("M2")->size(), QSize(10, 10));
  EXPECT_FALSE(widget<QLabel>("M3")->isVisible());  // a picture that did not load is hidden
}

TEST_F(Elements, TheWindowHasAFixedBorderAndNoMaximiseBox) {
  ASSERT_EQ(line("DIALOG CREATE,Frame,20,30,200,100"), 0);
  const Qt::WindowFlags flags = form().windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(form().minimumSize(), form().maximumSize());
  const auto expected = dialog::clientSizeFor(200, 100, dialog::TDlgForm::frameMetrics(form()), false);
  EXPECT_EQ(form().size(), QSize(expected.width, expected.height));
  const QFontInfo font(form().font());
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_TRUE(QFontDatabase::hasFamily(font.family()));
  EXPECT_EQ(form().pos(), QPoint(30, 20));
  closeDialog();

  // A small caption makes a tool window, with that much more room inside;
  // a negative top centres it.
  ASSERT_EQ(line("DIALOG CREATE,Tool,-1,999,200,100,DLGTYPE(ONTOP;SMALLCAP)"), 0);
  EXPECT_EQ(form().windowType(), Qt::Tool);
  EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  const auto metrics = dialog::TDlgForm::frameMetrics(form());
  const auto tool = dialog::clientSizeFor(200, 100, metrics, true);
  EXPECT_EQ(form().size(), QSize(tool.width, tool.height));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(form().pos(), QPoint(screen.x() + (screen.width() - 200) / 2,
                                 screen.y() + (screen.height() - 100 - metrics.captionHeight) / 2));
}

TEST_F(Elements, BitmapsLoadImagesAndProgramIconsAndFailSoftly) {
  std::ifstream in(std::string(QUILLAN_SOURCE_DIR) + "/fuzz/corpus/peicon/pe32_two_images.pe", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  fs.files["/work/tool.EXE"] = bytes.str();
  fs.files["/work/drawing.wmf"] = std::string("\xD7\xCD\xC6\x9A\0\0", 6) + std::string(40, '\x01');
  ASSERT_EQ(line("DIALOG CREATE,Pictures,20,30,300,200,BITMAP(M1;;;;;/work/missing.bmp)"), 0);
  auto* picture = widget<QLabel>("M1");
  EXPECT_FALSE(picture->isVisible());
  const std::vector<std::pair<std::string, bool>> cases = {
      {"/work/pic.png", true}, {"/work/tool.EXE", true}, {"/work/drawing.wmf", false}, {"", false}};
  for (const auto& [file, loads] : cases) {
    SCOPED_TRACE(file);
    rt.success = !loads;
    ASSERT_EQ(line("DIALOG SET,M1," + file), 0);
    EXPECT_EQ(rt.success, loads);
    EXPECT_EQ(picture->isVisible(), loads);
  }
  line("DIALOG SET,M1,/work/pic.png");
  ASSERT_EQ(line("DIALOG CLEAR,M1"), 0);
  EXPECT_FALSE(picture->isVisible());
}

TEST_F(Elements, StylesColourAndSetTheFontOfWhatTheyMayChange) {
  ASSERT_EQ(line("DIALOG CREATE,Styled,20,30,300,200,STYLE(S1;Arial;12;BIC;red;white),"
                 "TEXT(T1;;;;;x;S1),EDIT(E1;;;;;x;s1),BUTTON(B1;;;;;x;S1)"),
            0);
  auto* text = widget<QLabel>("T1");
  EXPECT_EQ(text->font().pointSize(), 12);
  EXPECT_TRUE(text->font().bold());
  EXPECT_TRUE(text->font().italic());
  EXPECT_EQ(text->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_TRUE(text->alignment().testFlag(Qt::AlignHCenter));
  auto* edit = widget<QLineEdit>("E1");
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 255, 255));
  auto* button = widget<QPushButton>("B1");
  EXPECT_EQ(button->font().pointSize(), 12);
  EXPECT_NE(button->palette().color(QPalette::WindowText), QColor(255, 255, 255));  // the font alone
}

TEST_F(Elements, NamesAreUniqueIgnoringCase) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"BUTTON(B1),EDIT(b1)", 21},   {"EDIT(FileDlg)", 21},     // the window's own components
      {"STATUS(S1),STATUS(s1)", 21}, {"STATUS(),STATUS()", 0},  // unnamed ones do not clash
      {"TASKICON(T1),EDIT(t1)", 21}, {"TASKICON(T1;/work/missing.ico)", 20},
  };
  for (const auto& [elements, error] : cases) {
    SCOPED_TRACE(elements);
    EXPECT_EQ(line("DIALOG CREATE,Names,20,30,300,200," + elements), error);
    EXPECT_EQ(host->exists(), error == 0);
    closeDialog();
  }
  // A failed dialog leaves nothing behind in the notification area.
  EXPECT_EQ(shell.count(dialog::ShellRequest::Add), shell.count(dialog::ShellRequest::Delete));
}

TEST_F(Elements, TrayIconsComeAndGoWithEnableDisableAndTheWindow) {
  ASSERT_EQ(line("DIALOG CREATE,Tray,20,30,300,200,TASKICON(Tray1;/work/pic.png;" + std::string(70, 't') + ")"), 0);
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].request, dialog::ShellRequest::Add);
  EXPECT_EQ(shell.requests[0].data.tip, std::string(63, 't'));
  ASSERT_EQ(line("DIALOG DISABLE,TRAY1"), 0);
  EXPECT_EQ(shell.requests.back().request, dialog::ShellRequest::Delete);
  ASSERT_EQ(line("DIALOG ENABLE,tray1"), 0);
  EXPECT_EQ(shell.requests.back().request, dialog::ShellRequest::Add);
  EXPECT_EQ(line("DIALOG HIDE,Tray1"), 0);  // the icon is not a window: nothing changes
  EXPECT_EQ(shell.requests.size(), 3u);

  shell.requests.back().data.owner->shellMessage(1024, 0, 514);
  EXPECT_EQ(rt.settings.eventText, "TRAY1ICON");
  closeDialog();
  EXPECT_EQ(shell.requests.back().request, dialog::ShellRequest::Delete);
}

TEST_F(Elements, ScriptBytesReadBackUnchangedEvenWhenNotUtf8) {
  ASSERT_EQ(line("DIALOG CREATE,Bytes,20,30,300,200,EDIT(E1),COMBO(C1),LIST(L1),RADIO(R1;;;;;;caf\xE9|tea;CAF\xE9)"),
            0);
  const std::string latin1 = "caf\xE9 cr\xE8me";
  for (const char* name : {"E1", "C1", "L1"}) {
    SCOPED_TRACE(name);
    line(std::string("DIALOG SET,") + name + "," + latin1);
  }
  widget<QListWidget>("L1")->setCurrentRow(0);
  EXPECT_EQ(value("@dlgtext(E1)"), latin1);
  EXPECT_EQ(value("@dlgtext(C1)"), latin1);
  EXPECT_EQ(value("@dlgtext(L1)"), latin1);
  EXPECT_EQ(value("@dlgtext(R1)"), "caf\xE9");
  // Text a person typed reads as UTF-8.
  widget<QLineEdit>("E1")->setText(QStringLiteral("th\u00e9"));
  EXPECT_EQ(value("@dlgtext(E1)"), "th\xC3\xA9");
}

TEST_F(Elements, FocusShowHideEnableDisable) {
  ASSERT_EQ(line("DIALOG CREATE,Acts,20,30,300,200,EDIT(E1),EDIT(E2),TEXT(T1;;;;;x)"), 0);
  settle();
  ASSERT_EQ(line("DIALOG FOCUS,E2"), 0);
  EXPECT_TRUE(widget<QLineEdit>("E2")->hasFocus());
  ASSERT_EQ(line("DIALOG FOCUS,T1"), 0);  // a text takes no focus
  EXPECT_TRUE(widget<QLineEdit>("E2")->hasFocus());
  ASSERT_EQ(line("DIALOG HIDE,E1"), 0);
  EXPECT_FALSE(widget<QLineEdit>("E1")->isVisible());
  ASSERT_EQ(line("DIALOG SHOW,E1"), 0);
  EXPECT_TRUE(widget<QLineEdit>("E1")->isVisible());
  ASSERT_EQ(line("DIALOG DISABLE,E1"), 0);
  EXPECT_FALSE(widget<QLineEdit>("E1")->isEnabled());
  ASSERT_EQ(line("DIALOG ENABLE,E1"), 0);
  EXPECT_TRUE(widget<QLineEdit>("E1")->isEnabled());
  ASSERT_EQ(line("DIALOG TITLE,Renamed"), 0);
  EXPECT_EQ(form().windowTitle(), "Renamed");
}

// Destroying a window whose edit field still has the keyboard focus (as it
// does once a popup menu has come and gone) moves the focus away from a
// window that is half gone: the window must not look at its elements then.
TEST_F(Elements, AWindowIsDestroyedSafelyWhileAnElementHasTheFocus) {
  ASSERT_EQ(line("DIALOG CREATE,Menu,20,30,300,200,EDIT(E1),COMBO(C1;40),POPUP(One|Two)"), 0);
  settle();
  ASSERT_EQ(line("DIALOG POPUP"), 0);
  settle();
  closeDialog();
  host.reset();
  SUCCEED();
}

TEST_F(Elements, TheHourglassCoversTheApplicationUntilTheDefaultComesBack) {
  ASSERT_EQ(line("DIALOG CREATE,Busy,20,30,300,200"), 0);
  ASSERT_EQ(line("DIALOG CURSOR,wait"), 0);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ASSERT_EQ(line("DIALOG CURSOR,WAIT"), 0);  // not stacked twice
  ASSERT_EQ(line("DIALOG CURSOR,arrow"), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_EQ(line("DIALOG CURSOR,WAIT"), 0);
  host->restoreCursor();  // the end of a script
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(DialogGeometry, LineHeightAndClientArea) {
  EXPECT_EQ(dialog::lineHeightFor(96), 18);
  EXPECT_EQ(dialog::lineHeightFor(120), 22);
  EXPECT_EQ(dialog::lineHeightFor(144), 26);
  const dialog::FrameMetrics metrics{20, 15, 3};
  const auto normal = dialog::clientSizeFor(200, 100, metrics, false);
  EXPECT_EQ(normal.width, 194);
  EXPECT_EQ(normal.height, 94);
  const auto tool = dialog::clientSizeFor(200, 100, metrics, true);  // a small caption leaves more room
  EXPECT_EQ(tool.height, 99);
  EXPECT_EQ(dialog::clientSizeFor(2, 2, metrics, false).width, 0);
}

}  // namespace
}  // namespace quillan::testing
