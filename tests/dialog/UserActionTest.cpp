// The action lines of unattended mode.
#include <gtest/gtest.h>

#include "runtime/dialog/UserAction.h"

namespace quillan::dialog {
namespace {

TEST(UserActions, WellFormedLinesParse) {
  struct Case {
    std::string line;
    ActionKind kind;
    std::string name, text;
  };
  const std::vector<Case> cases = {
      {"click OK", ActionKind::Click, "OK", ""},
      {"CLICK  Map\tright 3 -4", ActionKind::Click, "Map", ""},
      {"menu Save as...", ActionKind::Menu, "", "Save as..."},
      {"menu", ActionKind::Menu, "", ""},
      {"type Name  Bob  Smith ", ActionKind::Type, "Name", "Bob  Smith "},
      {"type Name", ActionKind::Type, "Name", ""},
      {"check Gift 2", ActionKind::Check, "Gift", ""},
      {"Select Pay Cheque", ActionKind::Select, "Pay", "Cheque"},
      {"close", ActionKind::Close, "", ""},
      {"tray T1", ActionKind::Tray, "T1", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    UserAction action;
    std::string problem;
    ASSERT_TRUE(parseUserAction(c.line, action, problem)) << problem;
    EXPECT_EQ(action.kind, c.kind);
    EXPECT_EQ(action.name, c.name);
    EXPECT_EQ(action.text, c.text);
  }
  UserAction action;
  std::string problem;
  ASSERT_TRUE(parseUserAction("click Map CENTER 3 -4", action, problem));
  EXPECT_EQ(action.button, "CENTER");
  EXPECT_EQ(action.x, 3);
  EXPECT_EQ(action.y, -4);
  ASSERT_TRUE(parseUserAction("check Gift 2", action, problem));
  EXPECT_EQ(action.state, 2);
  ASSERT_TRUE(parseUserAction("drop /tmp/a.txt \"/tmp/with blank.txt\" b", action, problem));
  EXPECT_EQ(action.paths, (std::vector<std::string>{"/tmp/a.txt", "/tmp/with blank.txt", "b"}));
}

TEST(UserActions, MalformedLinesAreRefusedWithAReason) {
  for (const std::string line :
       {"clik OK", "click", "click Map UP 1 2", "click Map LEFT 1", "click Map LEFT 1 2 3", "check Gift",
        "check Gift 3", "check Gift x", "close now", "drop", "tray", "type", "select"}) {
    SCOPED_TRACE(line);
    UserAction action;
    std::string problem;
    EXPECT_FALSE(parseUserAction(line, action, problem));
    EXPECT_FALSE(problem.empty());
  }
}

}  // namespace
}  // namespace quillan::dialog
