// Which of Qt's messages reach standard error.
#include <gtest/gtest.h>

#include "runtime/dialog/QtMessages.h"

namespace quillan::dialog {
namespace {

TEST(QtMessages, DropsChatterAndKeepsTrouble) {
  const struct {
    QtMsgType type;
    const char* text;
    bool dropped;
  } cases[] = {
      {QtWarningMsg, "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'", true},
      {QtWarningMsg, "QFontDatabase: Cannot find font directory /usr/lib/qt6/lib/fonts.", true},
      {QtWarningMsg, "This plugin does not support propagateSizeHints()", true},
      {QtWarningMsg, "Qt: Session management error: None of the authentication protocols specified are supported",
       true},
      // The same words elsewhere in a message are not the chatter.
      {QtWarningMsg, "cannot open: QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to ", false},
      // Something is wrong with the user's set-up: they can mend it.
      {QtWarningMsg, "QStandardPaths: wrong permissions on runtime directory /run/user/0, 0755 instead of 0700", false},
      {QtWarningMsg, "qt.qpa.xcb: could not connect to display :9", false},
      {QtWarningMsg, "QPixmap::scaled: Pixmap is a null pixmap", false},
      // Fatal and critical messages are never chatter, nor is debug output
      // someone switched on (QT_DEBUG_PLUGINS).
      {QtCriticalMsg, "This plugin does not support propagateSizeHints()", false},
      {QtFatalMsg, "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to x", false},
      {QtDebugMsg, "QFactoryLoader::QFactoryLoader() checking directory path", false},
      {QtInfoMsg, "This plugin does not support raise()", true},
      {QtWarningMsg, "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isQtNoise(c.type, c.text), c.dropped) << c.text;
}

}  // namespace
}  // namespace quillan::dialog
