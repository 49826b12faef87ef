#include "platform/process/PosixProcesses.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/posix/PosixPaths.h"
#include "platform/process/ProgramLookup.h"

extern char** environ;

namespace quillan::process {
namespace {

// What a child tells its parent through the report pipe before execve
// closes it. Reports are fixed-size, so a read never splits one.
enum Stage : int { kChdirFailed = 1, kPriorityRefused, kExecFailed, kForkFailed, kOpenedInstead };
struct Report {
  int stage;
  int error;
};

// Everything the child needs, built before fork: between fork and execve a
// child of a threaded program may only make plain system calls.
struct Plan {
  std::string path;
  std::vector<std::string> args;
  std::string fallbackPath;  // the opener, for a "program" that is no executable format
  std::vector<std::string> fallbackArgs;
  std::string directory;
  int nice = kKeepNice;
  bool outputToStandardError = false;
  bool detach = false;
};

std::vector<char*> pointers(std::vector<std::string>& args) {
  std::vector<char*> result;
  for (auto& arg : args) result.push_back(arg.data());
  result.push_back(nullptr);
  return result;
}

void report(int fd, int stage, int error) {
  const Report r{stage, error};
  while (::write(fd, &r, sizeof r) < 0 && errno == EINTR) {
  }
}

[[noreturn]] void execChild(const Plan& plan, char* const* argv, char* const* fallbackArgv, int fd) {
  // Signal handlers are reset by execve, but blocked and ignored signals
  // are inherited; the program must start with the defaults.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int sig = 1; sig < NSIG; ++sig)
    if (sig != SIGKILL && sig != SIGSTOP) sigaction(sig, &defaults, nullptr);
  if (plan.detach) ::setsid();
  if (plan.outputToStandardError) ::dup2(STDERR_FILENO, STDOUT_FILENO);
  if (!plan.directory.empty() && ::chdir(plan.directory.c_str()) != 0) {
    report(fd, kChdirFailed, errno);
    ::_exit(127);
  }
  // A priority the user may not raise to leaves the program at its normal
  // one: it still runs, and the parent hears of the refusal.
  if (plan.nice != kKeepNice && ::setpriority(PRIO_PROCESS, 0, plan.nice) != 0) report(fd, kPriorityRefused, errno);
  // Descriptors of the runtime (the registry database, the window system)
  // are none of the program's business.
  ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
  ::execve(plan.path.c_str(), argv, environ);
  if (errno == ENOEXEC && !plan.fallbackPath.empty()) {
    // Marked executable but no program (common on Windows file systems):
    // open it as a document, never hand it to a shell.
    report(fd, kOpenedInstead, 0);
    ::execve(plan.fallbackPath.c_str(), fallbackArgv, environ);
  }
  report(fd, kExecFailed, errno);
  ::_exit(127);
}

struct Launch {
  pid_t pid = -1;
  bool started = false;
  bool priorityApplied = true;
  bool openedInstead = false;
};

void waitQuietly(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

Launch launch(Plan& plan) {
  Launch result;
  std::vector<char*> argv = pointers(plan.args);
  std::vector<char*> fallbackArgv = pointers(plan.fallbackArgs);
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    if (!plan.detach) execChild(plan, argv.data(), fallbackArgv.data(), fds[1]);
    // A program that is not waited for is started by a short-lived middle
    // child and so belongs to init from the start: it is reaped by the
    // system, never left as a zombie of ours. The middle child is a child
    // of a threaded program, where only the bare system call is safe:
    // _Fork, which runs no fork handlers.
    const pid_t grandchild = ::_Fork();
    if (grandchild == 0) execChild(plan, argv.data(), fallbackArgv.data(), fds[1]);
    if (grandchild < 0) report(fds[1], kForkFailed, errno);
    ::_exit(0);
  }
  ::close(fds[1]);
  if (pid < 0) {
    ::close(fds[0]);
    return result;
  }
  result.pid = pid;
  result.started = true;
  // End of file comes when execve has closed the last write end.
  Report r{};
  for (;;) {
    const ssize_t n = ::read(fds[0], &r, sizeof r);
    if (n < 0 && errno == EINTR) continue;
    if (n != static_cast<ssize_t>(sizeof r)) break;
    if (r.stage == kPriorityRefused)
      result.priorityApplied = false;
    else if (r.stage == kOpenedInstead)
      result.openedInstead = true;
    else
      result.started = false;
  }
  ::close(fds[0]);
  if (plan.detach || !result.started) waitQuietly(pid);
  return result;
}

bool isOpenVerb(std::string_view verb) {
  if (verb.empty()) return true;
  if (verb.size() != 4) return false;
  const char* open = "open";
  for (std::size_t i = 0; i < 4; ++i)
    if ((verb[i] | 0x20) != open[i]) return false;
  return true;
}

std::string openerPath(const std::string& opener, std::string_view pathVariable) {
  if (opener.find('/') != std::string::npos) return ::access(opener.c_str(), X_OK) == 0 ? opener : std::string();
  return findOnPath(opener, pathVariable);
}

}  // namespace

int waitForChild(pid_t pid, const std::function<void()>& tick) {
  // A pidfd becomes readable when the child ends, so the wait sleeps in the
  // kernel instead of polling; without one, poll waitpid ten times per tick.
  const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  int result = -1;
  int quietSteps = 0;
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    if (done < 0 && errno != EINTR) break;
    if (pidfd >= 0) {
      pollfd p{pidfd, POLLIN, 0};
      if (::poll(&p, 1, 100) == 0 && tick) tick();
    } else {
      const timespec step{0, 10'000'000};
      ::nanosleep(&step, nullptr);
      if (++quietSteps == 10) {
        quietSteps = 0;
        if (tick) tick();
      }
    }
  }
  if (pidfd >= 0) ::close(pidfd);
  return result;
}

os::ProgramOutcome PosixProcesses::run(const os::ProgramRequest& request, bool wait,
                                       const std::function<void()>& tick) {
  os::ProgramOutcome outcome;
  if (!isOpenVerb(request.verb)) return outcome;
  const char* pathEnv = std::getenv("PATH");
  const std::string_view pathVariable = pathEnv != nullptr ? pathEnv : "/usr/local/bin:/usr/bin:/bin";
  const std::string file = posix::toSystemPath(request.file);
  const Target target = resolveTarget(file, posix::toSystemPath(request.directory), pathVariable);
  const std::string opener = openerPath(options_.opener, pathVariable);

  Plan plan;
  switch (target.kind) {
    case TargetKind::Missing:
      return outcome;
    case TargetKind::Program:
      plan.path = target.path;
      plan.args.push_back(file);
      plan.args.insert(plan.args.end(), request.arguments.begin(), request.arguments.end());
      if (!opener.empty()) {
        plan.fallbackPath = opener;
        plan.fallbackArgs = {opener, target.path};
      }
      break;
    case TargetKind::Document:
      // Arguments mean nothing to a document; the opener takes only it.
      if (opener.empty()) return outcome;
      plan.path = opener;
      plan.args = {opener, target.path};
      break;
  }
  plan.directory = posix::toSystemPath(request.directory);
  plan.nice = niceValueFor(request.priority);
  plan.outputToStandardError = options_.outputToStandardError;
  plan.detach = !wait;

  const Launch started = launch(plan);
  if (!started.started) return outcome;
  outcome.started = true;
  outcome.priorityApplied = started.priorityApplied;
  if (!wait) return outcome;
  outcome.exitCode = waitForChild(started.pid, tick);
  // The opener's code only says whether the document could be handed
  // over; anything but 0 means it could not be opened.
  if ((target.kind == TargetKind::Document || started.openedInstead) && outcome.exitCode != 0) outcome.started = false;
  return outcome;
}

PosixProcesses::PosixProcesses(ProcessOptions options) : options_(std::move(options)) {
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  if (errno == 0) startNice_ = nice;
}

bool PosixProcesses::setOwnPriority(os::Priority priority) {
  const int wanted = niceValueFor(priority);
  const int nice = wanted == kKeepNice ? startNice_ : wanted;
  const auto self = static_cast<id_t>(::syscall(SYS_gettid));
  if (::setpriority(PRIO_PROCESS, self, nice) != 0) return false;
  // Threads started later inherit the interpreter thread's value; the ones
  // already running (Qt's, the sound system's) are set one by one.
  if (DIR* tasks = ::opendir("/proc/self/task")) {
    while (const dirent* entry = ::readdir(tasks)) {
      const auto tid = static_cast<id_t>(std::strtol(entry->d_name, nullptr, 10));
      if (tid != 0 && tid != self) ::setpriority(PRIO_PROCESS, tid, nice);
    }
    ::closedir(tasks);
  }
  return true;
}

}  // namespace quillan::process
