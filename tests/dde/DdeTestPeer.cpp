// A peer for the conversation tests: serves one service and topic on the
// session bus and appends every call it receives to a log file, one line
// each ("Connect", "Poke item|data", "Execute command", "Request item",
// "Disconnect"). A request answers what was last poked into the item, or
// the item's own name reversed. Modes:
//   normal          accepts everything
//   refuse          accepts Connect and Disconnect, refuses the rest
//   refuse-connect  refuses Connect
//   silent          accepts Connect and Disconnect, never answers the rest
// Usage: dde_test_peer SERVICE TOPIC LOGFILE [MODE]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cstdio>

#include "platform/dde/DdeNames.h"

namespace {

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

class Peer final : public QDBusVirtualObject {
 public:
  Peer(QString logPath, QString mode) : log_(std::move(logPath)), mode_(std::move(mode)) {
    log_.open(QIODevice::WriteOnly | QIODevice::Append);
  }

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QString method = message.member();
    QStringList texts;
    for (const QVariant& value : message.arguments()) texts << value.toString();
    record(texts.isEmpty() ? method : method + QLatin1Char(' ') + texts.join(QLatin1Char('|')));

    if (message.interface() != latin1(quillan::dde::kInterface)) {
      connection.send(message.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("no such interface")));
      return true;
    }
    const bool session = method == QLatin1String("Connect") || method == QLatin1String("Disconnect");
    if (mode_ == QLatin1String("silent") && !session) return true;  // never answers
    if ((mode_ == QLatin1String("refuse") && !session) ||
        (mode_ == QLatin1String("refuse-connect") && method == QLatin1String("Connect"))) {
      connection.send(message.createErrorReply(latin1(quillan::dde::kRefusedError), QStringLiteral("refused")));
      return true;
    }
    if (method == QLatin1String("Poke") && texts.size() == 2) {
      items_[texts[0]] = texts[1];
    } else if (method == QLatin1String("Request") && texts.size() == 1) {
      QString answer = items_.value(texts[0], texts[0]);
      if (!items_.contains(texts[0])) std::reverse(answer.begin(), answer.end());
      connection.send(message.createReply(answer));
      return true;
    }
    connection.send(message.createReply());
    return true;
  }

 private:
  void record(const QString& line) {
    log_.write(line.toUtf8() + '\n');
    log_.flush();
  }

  QFile log_;
  QString mode_;
  QHash<QString, QString> items_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: dde_test_peer SERVICE TOPIC LOGFILE [normal|refuse|refuse-connect|silent]\n");
    return 2;
  }
  Peer peer(QString::fromLocal8Bit(argv[3]), argc > 4 ? QString::fromLatin1(argv[4]) : QStringLiteral("normal"));
  QDBusConnection bus = QDBusConnection::sessionBus();
  const std::string path = quillan::dde::objectPathFor(argv[2]);
  if (!bus.registerVirtualObject(latin1(path), &peer) ||
      !bus.registerService(latin1(quillan::dde::busNameFor(argv[1])))) {
    std::fprintf(stderr, "dde_test_peer: cannot serve %s on the session bus\n", argv[1]);
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return QCoreApplication::exec();
}
