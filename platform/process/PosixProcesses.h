// Programs and documents on Linux. A program is started with fork and
// execve, its arguments handed over one by one: no shell ever sees them.
// Documents, folders and web addresses go to the desktop's opener
// (xdg-open). Priorities become nice values (ProgramLookup.h).
//
// Show modes are not passed on: no Linux desktop lets the starting program
// choose how another program's first window appears. Command-line programs
// never get a terminal window of their own, which is what a hidden start
// gave them elsewhere.
#pragma once

#include <sys/types.h>

#include <string>

#include "platform/api/Processes.h"

namespace quillan::process {

struct ProcessOptions {
  // The program that opens documents; a bare name is looked for on PATH.
  std::string opener = "xdg-open";
  // Sends what started programs write to standard output to standard error
  // instead, so that it cannot mix with a transcript on standard output.
  bool outputToStandardError = false;
};

class PosixProcesses final : public os::Processes {
 public:
  // Notes the nice value the runtime was started with: the Normal priority.
  explicit PosixProcesses(ProcessOptions options = {});

  os::ProgramOutcome run(const os::ProgramRequest& request, bool wait, const std::function<void()>& tick) override;
  // Sets the nice value of the calling thread (the interpreter's) and then,
  // as far as the system allows, of the process's other threads: on Linux
  // each thread has a nice value of its own.
  bool setOwnPriority(os::Priority priority) override;

 private:
  ProcessOptions options_;
  int startNice_ = 0;
};

// Waits for the child pid, calling tick after every 100 ms that pass
// without it ending. The exit code, or -1 when a signal ended it or it
// cannot be waited for.
int waitForChild(pid_t pid, const std::function<void()>& tick);

}  // namespace quillan::process
