// The title a script sets comes back as the same bytes, whatever they are,
// so every box is captioned alike; only the desktop sees it converted.
#include <gtest/gtest.h>

#include <QApplication>

#include "runtime/dialog/QtUserInterface.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

TEST(ApplicationTitle, ComesBackAsTheBytesTheScriptSet) {
  QtUserInterface ui;
  const QString displayName = QApplication::applicationDisplayName();
  for (const std::string title : {"Mine", "\xE9", "\xC3\xA9", "\xE9t\xC3\xA9", "\x80\xFF"}) {
    ui.setApplicationTitle(title);
    EXPECT_EQ(ui.applicationTitle(), title);
    // Qt would append a display name to every window title on the desktop.
    EXPECT_EQ(QApplication::applicationDisplayName(), displayName);
  }
}

TEST(ApplicationTitle, IsTheDisplayNameUntilAScriptSetsOne) {
  QApplication::setApplicationDisplayName(QStringLiteral("Quillan \u00E9"));
  const QtUserInterface ui;
  EXPECT_EQ(ui.applicationTitle(), "Quillan \xC3\xA9");
}

}  // namespace
}  // namespace quillan::dialog
