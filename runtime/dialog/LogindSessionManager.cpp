#include "runtime/dialog/LogindSessionManager.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <cstdio>

namespace quillan::dialog {

bool LogindSessionManager::endSession(os::SessionEnd how) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) {
    std::fprintf(stderr, "scriptrun: EXITWIN: no system bus: %s\n", qPrintable(bus.lastError().message()));
    return false;
  }
  // A shut-down switches the power off too, as it does on any current
  // machine: halting with the power on would leave the machine waiting for
  // someone at its switch.
  const QString method = how == os::SessionEnd::Reboot ? QStringLiteral("Reboot") : QStringLiteral("PowerOff");
  QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                     QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"), method);
  call << true;  // interactive: the user may be asked to authenticate
  const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui);
  if (reply.type() == QDBusMessage::ErrorMessage) {
    std::fprintf(stderr, "scriptrun: EXITWIN: %s\n", qPrintable(reply.errorMessage()));
    return false;
  }
  return true;
}

}  // namespace quillan::dialog
