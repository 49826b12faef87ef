// The application object of scriptrun. Every window message passes through
// notify(); a failure that escapes a handler there is the runtime's
// "Unexpected error" and ends the script instead of the process.
#pragma once

#include <QApplication>
#include <functional>

namespace quillan::dialog {

class ScriptApplication final : public QApplication {
 public:
  ScriptApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  // Called with the failure's description; installed by the runtime.
  std::function<void(const char* what)> onException;
  // Called instead when an allocation failed (onException when unset).
  std::function<void()> onOutOfMemory;

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quillan::dialog
