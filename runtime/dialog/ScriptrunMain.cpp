// scriptrun: runs a compiled Quillan script file. It links no Qt: the
// desktop is a module opened when a script first needs it (LazyDesktop.h).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <new>
#include <optional>

#include "QuillanVersion.h"
#include "platform/ini/ProfileIniFiles.h"
#include "platform/locale/PosixClock.h"
#include "platform/locale/PosixLocale.h"
#include "platform/nowindows/UnavailableWindows.h"
#include "platform/posix/PosixFileOperations.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/process/PosixProcesses.h"
#include "platform/process/PosixSystemInfo.h"
#include "platform/registry/SqliteRegistry.h"
#include "platform/unattended/UnattendedSession.h"
#include "platform/unattended/UnattendedSessionManager.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/CommandLine.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/RunScript.h"
#include "runtime/dialog/LazyDesktop.h"
#include "runtime/dialog/TraceFile.h"
#include "runtime/functions/FunctionLibrary.h"
#ifdef QUILLAN_HAVE_X11
#include "platform/x11/X11WindowAutomation.h"
#endif

namespace {

using namespace quillan;

constexpr const char* kHelp =
    "Usage: scriptrun [--unattended[=FILE]] [--trace[=FILE]] [--] SCRIPT.exe [PARAMETERS...]\n"
    "       scriptrun --help | --version\n"
    "\n"
    "Runs the compiled Quillan script SCRIPT.exe (made with quillanc); up to\n"
    "nine PARAMETERS become %1 to %9. Without a compiled script file the\n"
    "runtime shows its version.\n"
    "\n"
    "  --unattended[=FILE]  show no window: every message box is written to\n"
    "                       standard output as a line, and answered from FILE\n"
    "                       (or by its default button); the user actions in\n"
    "                       FILE (click, menu, type, check, select, close,\n"
    "                       drop, tray) drive the dialog, one each time WAIT\n"
    "                       EVENT finds no event. QUILLAN_UNATTENDED=FILE\n"
    "                       does the same for scripts started through their\n"
    "                       launcher.\n"
    "  --trace[=FILE]       write every line the script runs, as its line\n"
    "                       number, a tab and the line as written, and\n"
    "                       \"error\", a tab and the code after a line that\n"
    "                       failed; to FILE (created or emptied), or to\n"
    "                       standard error.\n"
    "\n"
    "Exit status: 0 after a normal end; the run-time error code (1-23) when an\n"
    "error ended the script; 64 when these options are wrong; 66 when the file\n"
    "cannot be run; 69 when the script needs a command this build lacks, or\n"
    "needs the desktop and its module cannot be loaded; 70 after an unexpected\n"
    "error; 75 when an unattended run waited for an event with no user action\n"
    "left.\n";

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// Without a display, unattended runs (cron, SSH, CI) still need Qt's
// widgets for dialogs: draw them off screen.
void chooseHeadlessPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") != nullptr) return;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((x == nullptr || *x == '\0') && (wayland == nullptr || *wayland == '\0'))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void reportRunningOutOfMemory(core::Runtime& rt) {
  std::fputs("scriptrun: out of memory\n", stderr);
  // With the script's values released the report nearly always fits; when
  // even it cannot be shown, the exit status still says what happened.
  try {
    core::reportOutOfMemory(rt);
  } catch (const std::bad_alloc&) {
    rt.unexpectedError = true;
  }
}

// An unexpected error comes first: one that escapes runScript leaves ran
// false although the file was loaded and the script was running.
int exitStatusOf(const core::Runtime& rt, bool ran) {
  if (rt.unexpectedError) return core::kExitUnexpected;
  if (!ran) return core::kExitCannotRun;
  if (rt.stuck) return core::kExitStuck;
  if (rt.error == core::kNotAvailable) return core::kExitNotAvailable;
  return rt.error;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const core::CommandLine line = core::parseCommandLine(args, environment("QUILLAN_UNATTENDED"));
  switch (line.action) {
    case core::CommandLine::Action::Help:
      std::fputs(kHelp, stdout);
      return 0;
    case core::CommandLine::Action::Version:
      std::puts("scriptrun (Quillan) " QUILLAN_VERSION_TEXT);
      return 0;
    case core::CommandLine::Action::Usage:
      std::fprintf(stderr, "scriptrun: %s (see scriptrun --help)\n", line.usageError.c_str());
      return core::kExitUsage;
    case core::CommandLine::Action::Run:
      break;
  }

  std::unique_ptr<dialog::TraceFile> trace;
  if (line.trace) {
    std::string error;
    trace = dialog::TraceFile::open(line.traceFile, error);
    if (!trace) {
      std::fprintf(stderr, "scriptrun: %s\n", error.c_str());
      return core::kExitUsage;
    }
  }

  std::unique_ptr<unattended::UnattendedSession> session;
  if (line.unattended) {
    unattended::AnswerFile answers;
    std::string error;
    if (!line.answerFile.empty() && !unattended::readAnswerFile(line.answerFile, answers, error)) {
      std::fprintf(stderr, "scriptrun: %s\n", error.c_str());
      return core::kExitUsage;
    }
    session = std::make_unique<unattended::UnattendedSession>(std::move(answers));
    chooseHeadlessPlatform();
  }

  // The desktop's stand-ins; the module behind them is opened by the first
  // line that needs a window, a box, the clipboard or a sound.
  dialog::LazyDesktop desktop;
  std::unique_ptr<os::SessionManager> sessionManager;
  if (session) {
    sessionManager = std::make_unique<unattended::UnattendedSessionManager>(*session);
  }
  os::UserInterface* ui = &desktop.ui();
  // The title until the script names one. Not the application's display
  // name, which Qt would append to the title of every window.
  ui->setApplicationTitle("Quillan");
  posix::PosixFileSystem fs;
  posix::PosixFileOperations files;
  reg::SqliteRegistry registry(reg::SqliteRegistry::defaultPath());
  registry.onRefused([](const std::string& why) { std::fprintf(stderr, "scriptrun: %s\n", why.c_str()); });
  locale::PosixLocale regional;
  locale::PosixClock clock;
  // In unattended mode standard output is the transcript; what started
  // programs print goes to standard error.
  process::PosixProcesses processes(process::ProcessOptions{"xdg-open", line.unattended});
  process::PosixSystemInfo system([&desktop] { return desktop.screen(); });
  // INI files named without a directory live where WINDIR() points.
  ini::ProfileIniFiles iniFiles(fs.userConfigDir());
  // Other windows: the X display, opened when a script first asks for one.
  const auto reportWindows = [](const std::string& why) { std::fprintf(stderr, "scriptrun: %s\n", why.c_str()); };
#ifdef QUILLAN_HAVE_X11
  x11::X11WindowAutomation windows([&ui] { ui->processMessages(); }, reportWindows);
#else
  nowindows::UnavailableWindows windows("this build of scriptrun has no X11 support", reportWindows);
#endif
  std::unique_ptr<os::UserInterface> tracedUi;
  if (trace) tracedUi = std::make_unique<dialog::TraceFlushingUserInterface>(*ui, *trace);
  core::Runtime rt(os::Platform{tracedUi ? tracedUi.get() : ui, &fs, &registry, &regional, &clock, &processes, &system,
                                sessionManager ? sessionManager.get() : &desktop.sessionManager(), &iniFiles,
                                &desktop.clipboard(), &desktop.media(), &windows});
  rt.os.files = &files;
  rt.commands = &commands::standardCommands();
  rt.trace = trace.get();
  rt.dialog = &desktop.dialogs();
  functions::installFunctions(rt, functions::standardFunctions());
  dialog::DesktopRequest request;
  request.rt = &rt;
  request.session = session.get();
  request.onException = [&rt](const char* what) {
    std::fprintf(stderr, "scriptrun: unexpected error: %s\n", what);
    core::reportUnexpected(rt);
  };
  request.onOutOfMemory = [&rt] { reportRunningOutOfMemory(rt); };
  desktop.setRequest(std::move(request));

  bool ran = false;
  try {
    try {
      ran = core::runScript(rt, line.scriptArg, line.parameters);
    } catch (const std::bad_alloc&) {
      reportRunningOutOfMemory(rt);
    } catch (const dialog::DesktopUnavailable&) {
      throw;
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "scriptrun: unexpected error: %s\n", failure.what());
      core::reportUnexpected(rt);
    }
  } catch (const dialog::DesktopUnavailable& failure) {
    // Also when the box of an error needed it: the run is over either way.
    std::fprintf(stderr, "scriptrun: %s\n", failure.what());
    desktop.close();
    return core::kExitNotAvailable;
  }
  // The script has run and been terminated; let the window system finish
  // whatever the last lines queued (closing the dialog) before leaving, and
  // take the desktop down while the runtime it points to is still there.
  desktop.finish();
  desktop.close();
  return exitStatusOf(rt, ran);
}
