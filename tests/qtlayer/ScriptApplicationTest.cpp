#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "runtime/dialog/QtMessages.h"
#include "runtime/dialog/ScriptApplication.h"

namespace quillan::dialog {
namespace {

ScriptApplication* app = nullptr;

// An event handler that fails the way a faulty handler would.
class Faulty : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("handler failed");
    if (e->type() == QEvent::User + 1) throw std::bad_alloc();
    return QObject::event(e);
  }
};

TEST(ScriptApplication, AFailureInAHandlerReachesTheHookAndProcessingGoesOn) {
  std::vector<std::string> reported;
  app->onException = [&](const char* what) { reported.emplace_back(what); };
  Faulty faulty;
  QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  EXPECT_EQ(reported, (std::vector<std::string>{"handler failed", "handler failed"}));
  app->onException = nullptr;
}

TEST(ScriptApplication, AnAllocationThatFailsInAHandlerReachesItsOwnHook) {
  std::vector<std::string> reported;
  int outOfMemory = 0;
  app->onException = [&](const char* what) { reported.emplace_back(what); };
  app->onOutOfMemory = [&] { ++outOfMemory; };
  Faulty faulty;
  QCoreApplication::postEvent(&faulty, new QEvent(static_cast<QEvent::Type>(QEvent::User + 1)));
  QCoreApplication::processEvents();
  EXPECT_EQ(outOfMemory, 1);
  EXPECT_TRUE(reported.empty());
  app->onException = nullptr;
  app->onOutOfMemory = nullptr;
}

}  // namespace
}  // namespace quillan::dialog

int main(int argc, char** argv) {
  // Test discovery runs this without the tests' environment.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  quillan::dialog::installQuietMessages();  // test discovery runs without XDG_RUNTIME_DIR
  quillan::dialog::ScriptApplication application(argc, argv);
  quillan::dialog::app = &application;
  return RUN_ALL_TESTS();
}
