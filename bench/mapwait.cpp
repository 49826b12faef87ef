// mapwait [--libraries] COMMAND [ARGS...]: starts the command and prints the
// milliseconds from its start until its first top-level window is mapped on
// the X display, then ends it. For comparing how soon programs show a
// window. With --libraries it also prints how many shared objects the
// program had mapped at that moment, and names them on standard error.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

namespace {

// The distinct shared objects in a process's memory map.
std::set<std::string> sharedObjects(pid_t pid) {
  std::set<std::string> found;
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::string line;
  while (std::getline(maps, line)) {
    const std::size_t path = line.find('/');
    if (path == std::string::npos) continue;
    const std::string file = line.substr(path);
    if (file.find(".so") != std::string::npos) found.insert(file);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const bool libraries = argc > 1 && std::string(argv[1]) == "--libraries";
  if (libraries) {
    --argc;
    ++argv;
  }
  if (argc < 2) {
    std::fputs("usage: mapwait [--libraries] COMMAND [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("mapwait: no X display\n", stderr);
    return 2;
  }
  // Every window mapped as a child of the root is a top-level window.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  alarm(20);  // a program that never shows a window must not hang the run
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) break;
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (libraries) {
    const std::set<std::string> objects = sharedObjects(child);
    std::printf("%.1f %zu\n", took.count(), objects.size());
    for (const std::string& object : objects) std::fprintf(stderr, "%s\n", object.c_str());
  } else {
    std::printf("%.1f\n", took.count());
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
