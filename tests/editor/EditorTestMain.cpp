// The widget tests need a QApplication; they run on the offscreen platform
// unless the environment names another (CTest sets it, test discovery
// does not).
#include <gtest/gtest.h>

#include <QApplication>

#include "runtime/dialog/QtMessages.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  quillan::dialog::installQuietMessages();  // test discovery runs without XDG_RUNTIME_DIR
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
