// SAVEPOS: the window reopens where it was left, within what the screen
// and the saved state allow.
#include <QGuiApplication>
#include <QScreen>

#include "DialogWindowFixture.h"
#include "runtime/core/Settings.h"
#include "runtime/dialog/DialogGeometry.h"
#include "runtime/dialog/SavedPosition.h"

namespace quillan::testing {
namespace {

struct SavedPositions : DialogWindow {
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  const std::string key = "UserScripts\\Tool";

  void openAt(int top, int left) {
    ASSERT_EQ(
        line("DIALOG CREATE,Saved," + std::to_string(top) + "," + std::to_string(left) + ",200,100,DLGTYPE(SAVEPOS)"),
        0);
  }
  void save(const char* name, int value) { core::writeSettingNumber(&registry, key, name, value); }
  int saved(const char* name) { return core::readSettingNumber(&registry, key, name, -12345); }
};

TEST_F(SavedPositions, TheFirstRunOpensWhereCreatedAndALaterOneWhereItWasLeft) {
  openAt(40, 50);
  EXPECT_EQ(form().pos(), QPoint(50, 40));
  form().move(120, 80);
  ASSERT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_EQ(saved("State"), 0);
  EXPECT_EQ(saved("Top"), 80);
  EXPECT_EQ(saved("Left"), 120);
  EXPECT_EQ(saved("Width"), -12345);  // the size is never included

  openAt(40, 50);
  EXPECT_EQ(form().pos(), QPoint(120, 80));
  closeDialog();

  rt.scriptPath = "/elsewhere/Tool.beta.exe";  // shares the key of Tool.exe
  openAt(40, 50);
  EXPECT_EQ(form().pos(), QPoint(120, 80));
}

TEST_F(SavedPositions, ACentredDialogWithNothingSavedOpensAtTheDesignPosition) {
  openAt(-1, 0);
  EXPECT_EQ(form().pos(), QPoint(dialog::kDesignLeft, dialog::kDesignTop));
}

TEST_F(SavedPositions, RestoreRules) {
  struct Case {
    std::string what;
    int state, top, left;
    QPoint expected;
    bool maximised;
  };
  const std::vector<Case> cases = {
      {"normal", 0, 70, 60, {60, 70}, false},
      {"minimised is not restored, its position is", 1, 70, 60, {60, 70}, false},
      {"a top below the screen restores nothing", 2, screen.height(), 60, {50, 40}, false},
      {"a left beyond the screen keeps the created left", 0, 70, screen.width() + 5, {50, 70}, false},
      {"maximised keeps the created normal position", 2, 70, 60, {50, 40}, true},
      {"an unknown state is the normal one", 7, 70, 60, {60, 70}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    save("State", c.state);
    save("Top", c.top);
    save("Left", c.left);
    openAt(40, 50);
    EXPECT_EQ(form().pos(), c.expected);
    EXPECT_EQ(form().windowState().testFlag(Qt::WindowMaximized), c.maximised);
    EXPECT_FALSE(form().windowState().testFlag(Qt::WindowMinimized));
    closeDialog();
  }
}

TEST_F(SavedPositions, AMinimisedCloseWritesOnlyTheState) {
  save("Top", 33);
  save("Left", 44);
  openAt(40, 50);
  form().setWindowState(Qt::WindowMinimized);
  ASSERT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_EQ(saved("State"), 1);
  EXPECT_EQ(saved("Top"), 33);
  EXPECT_EQ(saved("Left"), 44);
}

TEST_F(SavedPositions, ARefusedCloseSavesNothing) {
  openAt(40, 50);
  form().close();
  EXPECT_EQ(saved("State"), -12345);
}

TEST(SavedPositionKey, TheBaseNameUpToTheFirstDot) {
  EXPECT_EQ(dialog::savedPositionKey("/opt/tools/Tool.exe"), "UserScripts\\Tool");
  EXPECT_EQ(dialog::savedPositionKey("C:\\apps\\Tool.beta.exe"), "UserScripts\\Tool");
  EXPECT_EQ(dialog::savedPositionKey("/dir.d/plain"), "");
}

}  // namespace
}  // namespace quillan::testing
