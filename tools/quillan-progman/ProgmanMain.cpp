// quillan-progman: serves the service and topic PROGMAN on the session bus
// and keeps the program groups and items that scripts ask for as the
// desktop's application menu (ProgramGroups). Started by the bus on the
// first call to its name; it leaves after a while without calls.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/dde/DdeNames.h"
#include "tools/quillan-progman/ProgmanCommands.h"
#include "tools/quillan-progman/ProgramGroups.h"

namespace {

using namespace quillan;

// Minutes without any call before the peer leaves; the bus starts it again
// when a script calls.
constexpr int kIdleMinutes = 5;
constexpr int kBusWatchMilliseconds = 1000;

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

class ProgmanTopic final : public QDBusVirtualObject {
 public:
  ProgmanTopic(progman::ProgramGroups& groups, QTimer& idle) : groups_(groups), idle_(idle) {}

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    idle_.start();
    connection.send(answer(message));
    return true;
  }

 private:
  QDBusMessage answer(const QDBusMessage& message) {
    const QString method = message.member();
    const QVariantList arguments = message.arguments();
    if (message.interface() != latin1(dde::kInterface))
      return message.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("no such interface"));
    if (method == QLatin1String("Connect") || method == QLatin1String("Disconnect")) return message.createReply();
    if (method == QLatin1String("Execute") && arguments.size() == 1) {
      const progman::ParsedCommands parsed = progman::parseCommands(utf8(arguments.front().toString()));
      const std::string failed = parsed.error.empty() ? groups_.run(parsed.commands) : parsed.error;
      if (failed.empty()) return message.createReply();
      return refusal(message, failed);
    }
    if (method == QLatin1String("Request") && arguments.size() == 1 &&
        arguments.front().toString().compare(QLatin1String("Groups"), Qt::CaseInsensitive) == 0) {
      QStringList names;
      for (const std::string& name : groups_.groups()) names << QString::fromUtf8(name.data(), qsizetype(name.size()));
      return message.createReply(names.join(QStringLiteral("\r\n")));
    }
    if (method == QLatin1String("Poke") || method == QLatin1String("Request") || method == QLatin1String("Execute"))
      return refusal(message, "no such item");
    return message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no such method"));
  }

  static QDBusMessage refusal(const QDBusMessage& message, const std::string& why) {
    std::fprintf(stderr, "quillan-progman: refused: %s\n", why.c_str());
    return message.createErrorReply(latin1(dde::kRefusedError), QString::fromStdString(why));
  }

  progman::ProgramGroups& groups_;
  QTimer& idle_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  progman::ProgramGroups groups(
      progman::userMenuPlaces(std::getenv("HOME"), std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME")));
  QTimer idle;
  idle.setSingleShot(true);
  idle.setInterval(kIdleMinutes * 60 * 1000);
  QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
  ProgmanTopic topic(groups, idle);

  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerVirtualObject(latin1(dde::objectPathFor("PROGMAN")), &topic) ||
      !bus.registerService(latin1(dde::busNameFor("PROGMAN")))) {
    std::fprintf(stderr, "quillan-progman: cannot serve PROGMAN on the session bus: %s\n",
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  idle.start();
  // When the session ends its bus goes, and nobody can call any more.
  QTimer busWatch;
  QObject::connect(&busWatch, &QTimer::timeout, &app, [&app] {
    if (!QDBusConnection::sessionBus().isConnected()) app.quit();
  });
  busWatch.start(kBusWatchMilliseconds);
  return QCoreApplication::exec();
}
