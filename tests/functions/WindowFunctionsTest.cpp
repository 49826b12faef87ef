#include <gtest/gtest.h>

#include "platform/fake/FakeWindowAutomation.h"
#include "tests/functions/FunctionCases.h"

namespace quillan::testing {
namespace {

struct WindowHarness : ScriptHarness {
  fake::FakeWindowAutomation windows;
  WindowHarness() {
    rt.os.windows = &windows;
    windows.windows = {{"Report Viewer", "ViewerClass", {{-8, 30, 640, 480}, os::ShowState::Maximized}},
                       {"Notes", "Notepad", {{100, 50, 300, 200}, os::ShowState::Iconic}}};
  }
};

class WindowFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(WindowFunctions, Evaluate) {
  WindowHarness h;
  expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowFunctions,
                         ::testing::Values(FunctionCase{"@winexists(Report Viewer)", "1"},
                                           FunctionCase{"@winexists(report VIEWER)", "1"},
                                           FunctionCase{"@winexists(#viewerclass)", "1"},
                                           // A part of a title, a class given as a title, an empty text or an
                                           // empty class find nothing.
                                           FunctionCase{"@winexists(Report)", ""},
                                           FunctionCase{"@winexists(ViewerClass)", ""},
                                           FunctionCase{"@winexists()", ""}, FunctionCase{"@winexists(#)", ""},
                                           FunctionCase{"@winpos(Report Viewer,LTWHS)", "-8|30|640|480|3", Flag::Set},
                                           FunctionCase{"@winpos(#notepad,sl)", "2|100", Flag::Set},
                                           FunctionCase{"@winpos(Notes,HHW)", "200|200|300", Flag::Set},
                                           FunctionCase{"@winpos(Notes,)", "", Flag::Cleared},
                                           FunctionCase{"@winpos(Nobody,L)", "", Flag::Cleared},
                                           // An unknown letter ends the loop; what came before it stays.
                                           FunctionCase{"@winpos(Notes,LXT)", "100", Flag::Set, core::kBadValue},
                                           FunctionCase{"@winpos(Notes,X)", "", Flag::Cleared, core::kBadValue},
                                           FunctionCase{"@winpos(Nobody,X)", "", Flag::Cleared}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WinPos, AWindowThatGoesAwayBetweenSearchAndReadIsNotFound) {
  WindowHarness h;
  h.windows.faults.failCall("placement", 1, 1);
  h.rt.success = true;
  EXPECT_EQ(evaluate(h, "@winpos(Notes,L)"), "");
  EXPECT_FALSE(h.rt.success);
}

TEST(WinActive, GivesTitleAndClassOfTheActiveWindow) {
  const std::pair<const char*, const char*> cases[] = {
      {"@winactive()", "Notes"},           {"@winactive(N)", "Notes"},        {"@winactive(c)", "Notepad"},
      {"@winactive(CN)", "Notepad;Notes"}, {"@winactive(NN)", "Notes;Notes"},
  };
  for (const auto& [expression, expected] : cases) {
    WindowHarness h;
    h.rt.settings.fieldSep = ';';
    h.windows.active = 2;
    h.rt.success = false;
    EXPECT_EQ(evaluate(h, expression), expected) << expression;
    EXPECT_EQ(h.rt.error, 0) << expression;
    EXPECT_FALSE(h.rt.success) << expression;
  }
}

TEST(WinActive, WithoutAnActiveWindowTheValuesAreEmpty) {
  WindowHarness h;
  EXPECT_EQ(evaluate(h, "@winactive(NC)"), "|");
  EXPECT_EQ(evaluate(h, "@winactive(Q)"), "");
  EXPECT_EQ(h.rt.error, core::kBadValue);
}

TEST(WindowFunctions, WithoutDesktopWindowsNothingIsFound) {
  ScriptHarness h;
  h.rt.success = true;
  EXPECT_EQ(evaluate(h, "@winexists(Notes)"), "");
  EXPECT_EQ(evaluate(h, "@winpos(Notes,L)"), "");
  EXPECT_FALSE(h.rt.success);
  EXPECT_EQ(evaluate(h, "@winactive(N)"), "");
  EXPECT_EQ(h.rt.error, 0);
}

}  // namespace
}  // namespace quillan::testing
