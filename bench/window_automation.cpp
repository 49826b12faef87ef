// window_automation: on the X display it is given (run it under xvfb-run,
// see bench/windows.sh), starts openbox and a client with 200 windows,
// then measures
//   - WINEXISTS through the interpreter and the X11 backend, for the
//     window at the bottom of the stack (the last one a search reaches) and
//     for a title no window has, against `xdotool search --name`;
//   - WINDOW SEND of 1,000 characters with SKDELAY 0, against
//     `xdotool type --delay 0` of the same text.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11/X11WindowAutomation.h"
#include "runtime/core/FieldReader.h"
#include "tests/support/ScriptHarness.h"

// Last: Xlib's macros (Success, None, Status) would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

using namespace quillan;
using Clock = std::chrono::steady_clock;

constexpr int kWindows = 200;
constexpr int kLookups = 2000;
constexpr int kCharacters = 1000;
constexpr int kProgramRuns = 20;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t spawn(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (auto& arg : argv) args.push_back(arg.data());
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return 0;
  return pid;
}

// Runs a program to its end; false when it failed. quiet sends its
// standard output to /dev/null.
bool runToEnd(std::vector<std::string> argv, bool quiet = false) {
  pid_t pid = 0;
  if (quiet) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (auto& arg : argv) args.push_back(arg.data());
    args.push_back(nullptr);
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = 0;
    posix_spawn_file_actions_destroy(&actions);
  } else {
    pid = spawn(std::move(argv));
  }
  int status = 0;
  return pid != 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The child: 200 windows titled "Bench Window N", the first one mapped
// first (so lowest in the stack); it keeps them until it is ended.
[[noreturn]] void showWindows() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) _exit(2);
  for (int i = 0; i < kWindows; ++i) {
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 10 + i, 10 + i, 160, 60, 0, 0, 0xFFFFFF);
    const std::string title = "Bench Window " + std::to_string(i);
    XStoreName(display, window, title.c_str());
    XClassHint hint{const_cast<char*>("benchwindow"), const_cast<char*>("BenchWindow")};
    XSetClassHint(display, window, &hint);
    XMapWindow(display, window);
  }
  XSync(display, False);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("window_automation: no X display (run it under xvfb-run)\n", stderr);
    return 2;
  }
  const pid_t openbox = spawn({"openbox", "--sm-disable"});
  const pid_t child = fork();
  if (child == 0) showWindows();

  x11::X11WindowAutomation windows(nullptr, [](const std::string& why) { std::fprintf(stderr, "%s\n", why.c_str()); });
  // Ready when the manager lists every window.
  const auto start = Clock::now();
  while (windows.topLevelWindows().size() < kWindows + 0u && millisecondsSince(start) < 20000)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::printf("top-level windows: %zu\n", windows.topLevelWindows().size());

  // A script run ends with the script; every run gets a harness of its own.
  const auto harness = [&] {
    auto h = std::make_unique<testing::ScriptHarness>();
    h->rt.os.windows = &windows;
    return h;
  };
  const auto lookups = [&](const std::string& title) {
    auto h = harness();
    h->run({"%A = @winexists(" + title + ")"});
    const std::string found = h->var('A');
    h = harness();
    const auto begin = Clock::now();
    for (int i = 0; i < kLookups; ++i) {
      h->setLine("X @winexists(" + title + ")");
      core::nextField(h->rt);
    }
    std::printf("WINEXISTS(%s) = \"%s\": %.1f us per lookup\n", title.c_str(), found.c_str(),
                1000.0 * millisecondsSince(begin) / kLookups);
  };
  lookups("Bench Window 0");
  lookups("Nobody Has This Title");

  const auto xdotoolSearch = [&](const std::string& pattern) {
    const auto begin = Clock::now();
    for (int i = 0; i < kProgramRuns; ++i) runToEnd({"xdotool", "search", "--name", pattern}, true);
    std::printf("xdotool search --name '%s': %.1f us per lookup (a process each)\n", pattern.c_str(),
                1000.0 * millisecondsSince(begin) / kProgramRuns);
  };
  xdotoolSearch("^Bench Window 0$");

  std::string text;
  for (int i = 0; i < kCharacters; ++i)
    text += "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789"[i % 64];
  auto h = harness();
  h->var('K') = text;
  auto begin = Clock::now();
  h->run({"OPTION SKDELAY,0", "WINDOW SEND,Bench Window 10,%K", "%A = @ok()"});
  double took = millisecondsSince(begin);
  std::printf("WINDOW SEND of %d characters, SKDELAY 0 (activation included, flag \"%s\"): %.1f ms, %.1f us per key\n",
              kCharacters, h->var('A').c_str(), took, 1000.0 * took / kCharacters);

  begin = Clock::now();
  runToEnd({"xdotool", "type", "--delay", "0", text});
  took = millisecondsSince(begin);
  std::printf("xdotool type --delay 0 of %d characters: %.1f ms, %.1f us per key\n", kCharacters, took,
              1000.0 * took / kCharacters);

  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  if (openbox != 0) {
    kill(openbox, SIGTERM);
    waitpid(openbox, nullptr, 0);
  }
  XCloseDisplay(display);
  return 0;
}
