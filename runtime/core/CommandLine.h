// The runtime's own command line: options before the script path, then the
// compiled script file, then up to nine script parameters.
//
//   scriptrun [--unattended[=FILE]] [--trace[=FILE]] [--] SCRIPT.exe [PARAMETERS...]
//   scriptrun --help | --version
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillan::core {

struct CommandLine {
  enum class Action { Run, Help, Version, Usage } action = Action::Run;
  std::string usageError;  // for Action::Usage
  bool unattended = false;
  std::string answerFile;  // FILE of --unattended=FILE or QUILLAN_UNATTENDED
  bool trace = false;
  std::string traceFile;                // FILE of --trace=FILE; empty: standard error
  std::string scriptArg;                // command-line argument 1 (may be empty)
  std::vector<std::string> parameters;  // the arguments after it, as passed
};

// args are the process arguments after the program name. unattendedEnv is
// the value of QUILLAN_UNATTENDED, or nullopt when it is not set.
CommandLine parseCommandLine(const std::vector<std::string>& args, const std::optional<std::string>& unattendedEnv);

// Exit statuses of scriptrun, documented in the README.
enum ExitStatus : int {
  kExitNormal = 0,         // the script ended normally (1-23: the run-time error code)
  kExitUsage = 64,         // the runtime's own options were wrong (EX_USAGE), never a run-time error code
  kExitCannotRun = 66,     // the compiled script file could not be read or is corrupt
  kExitNotAvailable = 69,  // the script used a command or function this build lacks
  kExitUnexpected = 70,    // a failure escaped while the script ran
  kExitStuck = 75,         // unattended, WAIT EVENT had no event and no user action left
};

}  // namespace quillan::core
