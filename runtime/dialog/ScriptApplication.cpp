#include "runtime/dialog/ScriptApplication.h"

#include <cstdio>
#include <exception>
#include <new>

namespace quillan::dialog {

bool ScriptApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc& failure) {
    if (onOutOfMemory)
      onOutOfMemory();
    else if (onException)
      onException(failure.what());
  } catch (const std::exception& failure) {
    if (onException) onException(failure.what());
  } catch (...) {
    if (onException) onException("unknown failure");
  }
  return false;
}

}  // namespace quillan::dialog
