#include <gtest/gtest.h>

#include "platform/nowindows/UnavailableWindows.h"

namespace quillan::nowindows {
namespace {

TEST(UnavailableWindows, FindsNothingAndSaysWhyOnce) {
  std::vector<std::string> reports;
  UnavailableWindows windows("no X11 here", [&](const std::string& why) { reports.push_back(why); });
  EXPECT_EQ(windows.find(os::WindowLookup::Title, "Notes"), os::kNoWindow);
  EXPECT_EQ(windows.find(os::WindowLookup::Class, "Notepad"), os::kNoWindow);
  std::string title = "kept", className = "kept";
  EXPECT_FALSE(windows.activeWindow(title, className));
  EXPECT_EQ(title, "kept");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("no X11 here"), std::string::npos);
}

}  // namespace
}  // namespace quillan::nowindows
