// DDEITEM against the test peer: COUNT requests made by a script (a REPEAT
// loop over "%V = @ddeitem(Price)" with the real dialog host and its
// conversation), against the same number of bare QtDBus calls of Request.
// Run on a session bus where dde_test_peer serves "Bench" and "Sheet"
// (bench/dde_requests.sh starts both).
//
//   dde_requests [COUNT]     (default 1,000)
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/dde/DdeNames.h"
#include "platform/fake/FakeUserInterface.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/dialog/QtDialogHost.h"
#include "runtime/dialog/TrayShells.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;
using Clock = std::chrono::steady_clock;

double scriptRequests(int count) {
  fake::FakeUserInterface ui;
  core::Runtime rt(os::Platform{&ui, nullptr, nullptr});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  dialog::HeadlessTrayShell tray;
  dialog::QtDialogHost host(rt, tray);
  rt.dialog = &host;
  core::prepare(rt, "bench.exe", {});
  rt.store = {"DIALOG CREATE,Bench,10,10,200,100,BUTTON(OK)", "DDE LINK,Bench,Sheet", "%N = 0"};
  core::runLines(rt);
  if (rt.error != 0 || !rt.success) std::fprintf(stderr, "no conversation with Bench|Sheet (error %d)\n", rt.error);
  rt.store = {"REPEAT", "%V = @ddeitem(Price)", "%N = @succ(%N)", "UNTIL @equal(%N," + std::to_string(count) + ")"};
  rt.line = 0;
  const auto start = Clock::now();
  core::runLines(rt);
  const std::chrono::duration<double> took = Clock::now() - start;
  if (rt.error != 0 || !rt.success) std::fprintf(stderr, "the requests failed (error %d)\n", rt.error);
  core::terminate(rt);
  return took.count();
}

double rawRequests(int count) {
  const auto text = [](const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); };
  QDBusMessage request =
      QDBusMessage::createMethodCall(text(dde::busNameFor("Bench")), text(dde::objectPathFor("Sheet")),
                                     text(std::string(dde::kInterface)), QStringLiteral("Request"));
  request << QStringLiteral("Price");
  QDBusConnection bus = QDBusConnection::sessionBus();
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    const QDBusMessage reply = bus.call(request, QDBus::Block, dde::kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) std::fprintf(stderr, "a raw request failed\n");
  }
  const std::chrono::duration<double> took = Clock::now() - start;
  return took.count();
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  // Once untimed to warm the connection, then the best of five, in turns.
  scriptRequests(count / 10);
  rawRequests(count / 10);
  double script = 1e9, raw = 1e9;
  for (int i = 0; i < 5; ++i) {
    if (const double t = scriptRequests(count); t < script) script = t;
    if (const double t = rawRequests(count); t < raw) raw = t;
  }
  std::printf("%-28s %8.1f us per request\n", "DDEITEM from a script", script / count * 1e6);
  std::printf("%-28s %8.1f us per request\n", "raw QtDBus call", raw / count * 1e6);
  std::printf("ratio: %.2f (target at most 1.5)\n", script / raw);
  return 0;
}
