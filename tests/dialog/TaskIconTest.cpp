// TTaskIcon against a shell that records: what reaches the notification
// area, and which of the shell's messages reach the handlers.
#include <gtest/gtest.h>

#include <QCursor>
#include <QPixmap>
#include <memory>

#include "FakeTrayShell.h"

namespace quillan::testing {
namespace {

using dialog::ShellRequest;
using dialog::TTaskIcon;

struct TaskIcon : ::testing::Test {
  FakeTrayShell shell;
  std::unique_ptr<TTaskIcon> icon = std::make_unique<TTaskIcon>(shell);
};

TEST_F(TaskIcon, ActivatingAddsOnceWithAFullRecord) {
  icon->setTaskIconID(7);
  icon->setToolTip("hello");
  EXPECT_TRUE(shell.requests.empty());  // nothing is sent while inactive
  icon->setActive(true);
  icon->setActive(true);
  ASSERT_EQ(shell.requests.size(), 1u);
  const auto& sent = shell.requests.front();
  EXPECT_EQ(sent.request, ShellRequest::Add);
  EXPECT_EQ(sent.data.owner, icon.get());
  EXPECT_EQ(sent.data.id, 7);
  EXPECT_EQ(sent.data.flags, 7u);
  EXPECT_EQ(sent.data.callbackMessage, 1024u);
  EXPECT_EQ(sent.data.tip, "hello");
  EXPECT_TRUE(icon->Active());
}

TEST_F(TaskIcon, TheShellsRefusalKeepsTheOldState) {
  shell.refuse = true;
  icon->setActive(true);
  EXPECT_FALSE(icon->Active());
  shell.refuse = false;
  icon->setActive(true);
  shell.refuse = true;
  icon->setActive(false);
  EXPECT_TRUE(icon->Active());
  shell.refuse = false;
}

TEST_F(TaskIcon, TipsAreKeptTo64AndShownTo63) {
  const std::string tip(70, 'x');
  icon->setToolTip(tip);
  EXPECT_EQ(icon->ToolTip(), tip.substr(0, 64));
  icon->setActive(true);
  EXPECT_EQ(shell.requests.back().data.tip, tip.substr(0, 63));
  icon->setToolTip(tip + "more");  // the same 64 characters: nothing changes
  EXPECT_EQ(shell.count(ShellRequest::Modify), 0);
  icon->setToolTip("short");
  EXPECT_EQ(shell.count(ShellRequest::Modify), 1);
  EXPECT_EQ(shell.requests.back().data.tip, "short");
}

TEST_F(TaskIcon, ANewImageIsPassedOnWhileActive) {
  QPixmap red(16, 16);
  red.fill(Qt::red);
  icon->setIcon(QIcon(red));
  EXPECT_TRUE(shell.requests.empty());
  icon->setActive(true);
  icon->setIcon(icon->Icon());  // its own image: nothing to do
  EXPECT_EQ(shell.count(ShellRequest::Modify), 0);
  QPixmap blue(16, 16);
  blue.fill(Qt::blue);
  icon->setIcon(QIcon(blue));
  ASSERT_EQ(shell.count(ShellRequest::Modify), 1);
  EXPECT_EQ(shell.requests.back().data.icon.pixmap(16).toImage().pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(TaskIcon, OnlyCallbacksWithItsIdentifierReachTheHandlers) {
  icon->setTaskIconID(3);
  std::vector<std::string> fired;
  int rightX = -1, rightY = -1;
  icon->OnClick = [&](TTaskIcon* sender) { fired.push_back(sender == icon.get() ? "click" : "?"); };
  icon->OnDblClick = [&](TTaskIcon*) { fired.push_back("double"); };
  icon->OnRightClick = [&](TTaskIcon*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    fired.push_back(button == Qt::RightButton && shift == Qt::NoModifier ? "right" : "?");
    rightX = x;
    rightY = y;
  };
  const struct {
    std::uint32_t message;
    std::int32_t id, action;
  } messages[] = {{1024, 3, 514}, {1024, 4, 514}, {1024, 3, 515}, {1024, 3, 517},
                  {1024, 3, 512}, {1025, 3, 514}, {1024, 3, 514}};
  for (const auto& m : messages) icon->shellMessage(m.message, m.id, m.action);
  EXPECT_EQ(fired, (std::vector<std::string>{"click", "double", "right", "click"}));
  EXPECT_EQ(QPoint(rightX, rightY), QCursor::pos());

  icon->OnClick = nullptr;  // unassigned events are skipped
  icon->shellMessage(1024, 3, 514);
  EXPECT_EQ(fired.size(), 4u);
}

TEST_F(TaskIcon, DestructionRemovesTheIconItAdded) {
  icon->setTaskIconID(5);
  icon->setActive(true);
  icon.reset();
  ASSERT_EQ(shell.requests.size(), 2u);
  EXPECT_EQ(shell.requests.back().request, ShellRequest::Delete);
  EXPECT_EQ(shell.requests.back().data.id, 5);

  auto inactive = std::make_unique<TTaskIcon>(shell);
  inactive.reset();
  EXPECT_EQ(shell.requests.size(), 2u);
}

TEST_F(TaskIcon, ChangingTheIdentifierWhileActiveMovesTheIcon) {
  icon->setActive(true);
  icon->setTaskIconID(9);
  ASSERT_EQ(shell.requests.size(), 3u);
  EXPECT_EQ(shell.requests[1].request, ShellRequest::Delete);
  EXPECT_EQ(shell.requests[1].data.id, 0);
  EXPECT_EQ(shell.requests[2].request, ShellRequest::Add);
  EXPECT_EQ(shell.requests[2].data.id, 9);
  icon.reset();
  EXPECT_EQ(shell.requests.back().request, ShellRequest::Delete);
  EXPECT_EQ(shell.requests.back().data.id, 9);  // the icon that is there is the one removed
}

}  // namespace
}  // namespace quillan::testing
