#include "runtime/dialog/DbusConversation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariant>

#include "platform/dde/DdeNames.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

QString fromAscii(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A name travels as UTF-8, converted from script text as the desktop
// converts it, and is encoded from there.
std::string utf8Of(std::string_view scriptText) { return fromDisplay(toDisplay(scriptText)); }

// The call's reply, or an error message: no owner of the name, no such
// object, a refusal, or no reply in time.
QDBusMessage call(const QString& service, const QString& topic, const QString& method, const QVariantList& arguments) {
  QDBusMessage message =
      QDBusMessage::createMethodCall(service, topic, fromAscii(std::string(dde::kInterface)), method);
  message.setArguments(arguments);
  return QDBusConnection::sessionBus().call(message, QDBus::Block, dde::kCallTimeoutMs);
}

bool succeeded(const QDBusMessage& reply) { return reply.type() == QDBusMessage::ReplyMessage; }

}  // namespace

bool DbusConversation::link(std::string_view service, std::string_view topic) {
  terminate();
  service_ = fromAscii(dde::busNameFor(utf8Of(service)));
  topic_ = fromAscii(dde::objectPathFor(utf8Of(topic)));
  open_ = succeeded(call(service_, topic_, QStringLiteral("Connect"), {}));
  return open_;
}

bool DbusConversation::poke(std::string_view item, std::string_view data) {
  return open_ && succeeded(call(service_, topic_, QStringLiteral("Poke"), {toDisplay(item), toDisplay(data)}));
}

bool DbusConversation::execute(std::string_view command) {
  return open_ && succeeded(call(service_, topic_, QStringLiteral("Execute"), {toDisplay(command)}));
}

bool DbusConversation::request(std::string_view item, std::string& data) {
  data.clear();
  if (!open_) return false;
  const QDBusMessage reply = call(service_, topic_, QStringLiteral("Request"), {toDisplay(item)});
  if (!succeeded(reply)) return false;
  const QVariantList values = reply.arguments();
  if (values.size() != 1 || values.front().metaType().id() != QMetaType::QString) return false;
  data = fromDisplay(values.front().toString());
  return true;
}

void DbusConversation::terminate() {
  if (!open_) return;
  open_ = false;
  call(service_, topic_, QStringLiteral("Disconnect"), {});
}

}  // namespace quillan::dialog
