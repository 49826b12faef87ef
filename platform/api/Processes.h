// Starting other programs and documents. The interpreter hands over a
// program and its arguments already split, never a command line for a
// shell: nothing a script passes can be read as a command.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillan::os {

// How the started program should show its first window. A desktop that
// cannot pass this on ignores it.
enum class ShowMode { Normal, Hidden, Maximized, Minimized };

// The scheduling priority of the started program.
enum class Priority { Normal, High, Realtime, Idle };

struct ProgramRequest {
  // "open" (any case) or empty: run file if it is a program, otherwise open
  // it with the desktop's default application. Any other verb is refused.
  std::string verb;
  std::string file;                    // a script path: "\" and "/" both separate
  std::vector<std::string> arguments;  // passed as they are, one per argv entry
  std::string directory;               // working directory; empty: the runtime's own
  ShowMode show = ShowMode::Normal;
  Priority priority = Priority::Normal;
};

struct ProgramOutcome {
  bool started = false;
  // False when the program runs at the normal priority because the one
  // asked for was refused (raising it needs a privilege the user lacks).
  bool priorityApplied = true;
  // With waiting: the exit code, or -1 when the program was ended by a
  // signal or could not be waited for. Without waiting: 0.
  std::int32_t exitCode = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Starts the request. With wait, returns only when the program has ended
  // and calls tick about every 100 ms meanwhile, so the caller's windows
  // stay alive. Without wait, the program runs on its own and is never
  // waited for.
  virtual ProgramOutcome run(const ProgramRequest& request, bool wait, const std::function<void()>& tick) = 0;

  // Sets the runtime's own priority; Normal is the one it was started with.
  // False when the system refused (raising the priority needs a privilege
  // the user may lack); the priority is then unchanged.
  virtual bool setOwnPriority(Priority priority) = 0;
};

}  // namespace quillan::os
