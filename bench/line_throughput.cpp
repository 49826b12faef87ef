// Lines per second of a straight script of assignment lines, run by the
// real interpreter with Qt's message processing in three ways:
//   every-line  processEvents() at the top of every line
//   throttled   only when the coarse clock has ticked (scriptrun asks so
//               before a line only every few quick lines; here every line asks)
//   none        no message processing at all (the interpreter alone)
//
//   line_throughput [LINES]     (default 1,000,000)
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/unattended/UnattendedSession.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/dialog/UnattendedUserInterface.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;

enum class Mode { EveryLine, Throttled, None };

class BenchUserInterface final : public os::UserInterface {
 public:
  BenchUserInterface(dialog::QtUserInterface& real, Mode mode) : real_(real), mode_(mode) {}
  os::BoxAnswer messageBox(std::string_view c, std::string_view t, os::BoxIcon i, os::BoxButtons b) override {
    return real_.messageBox(c, t, i, b);
  }
  void processMessages() override { real_.processMessages(); }
  void processMessagesIfDue() override {
    if (mode_ == Mode::EveryLine) real_.processMessages();
    if (mode_ == Mode::Throttled) real_.processMessagesIfDue();
  }
  std::string applicationTitle() const override { return real_.applicationTitle(); }
  void setApplicationTitle(std::string_view t) override { real_.setApplicationTitle(t); }
  void setApplicationIconFrom(std::string_view p) override { real_.setApplicationIconFrom(p); }

 private:
  dialog::QtUserInterface& real_;
  Mode mode_;
};

double run(Mode mode, std::size_t lines, std::uint64_t& rounds) {
  unattended::UnattendedSession session({});
  dialog::UnattendedUserInterface qt(session);
  BenchUserInterface ui(qt, mode);
  core::Runtime rt(os::Platform{&ui, nullptr, nullptr});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  core::prepare(rt, "bench.exe", {});
  // Every line asks: the clock's cost is what every-line and throttled show.
  rt.quickLinesPerMessageRound = 1;
  rt.store.assign(lines, "%A = some text");
  const auto start = std::chrono::steady_clock::now();
  core::runLines(rt);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (rt.error != 0) std::fprintf(stderr, "error %d at line %d\n", rt.error, rt.line);
  rounds = qt.rounds();
  return took.count();
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  std::printf("%zu assignment lines\n", lines);
  std::printf("%-12s %10s %14s %12s %10s\n", "mode", "seconds", "lines/s", "ns/line", "rounds");
  for (const auto& [mode, name] : {std::pair{Mode::None, "none"}, std::pair{Mode::Throttled, "throttled"},
                                   std::pair{Mode::EveryLine, "every-line"}}) {
    std::uint64_t rounds = 0;
    const double seconds = run(mode, lines, rounds);
    std::printf("%-12s %10.3f %14.0f %12.1f %10llu\n", name, seconds, lines / seconds, seconds * 1e9 / lines,
                static_cast<unsigned long long>(rounds));
  }
  return 0;
}
