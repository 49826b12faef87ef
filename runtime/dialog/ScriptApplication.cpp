#include "runtime/dialog/ScriptApplication.h"

#include <cstdio>
#include <exception>

namespace quillan::dialog {

bool ScriptApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    if (onException) onException(failure.what());
  } catch (...) {
    if (onException) onException("unknown failure");
  }
  return false;
}

}  // namespace quillan::dialog
