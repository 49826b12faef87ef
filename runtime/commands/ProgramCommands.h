// Starting programs and documents (RUN, RUNH, RUNM, RUNZ, SHELL), sound
// (BEEP, PLAY), the parameters (SHIFT), splitting a text into variables
// (PARSE) and ending the session (EXITWIN).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/Processes.h"
#include "platform/api/Session.h"
#include "runtime/core/Commands.h"
#include "runtime/core/Keywords.h"

namespace quillan::commands {

extern const std::span<const core::CommandRow> kProgramCommands;

// A RUN command line taken apart: the program (quotes removed; quoted
// stretches keep their blanks) and the text after the blanks that follow it.
struct CommandLineParts {
  std::string program;
  std::string parameters;
};
CommandLineParts splitProgram(std::string_view commandLine);

// Parameters as arguments: blanks and tabs separate them, double quotes
// keep blanks together and are removed, "" inside quotes is one literal
// quote. Backslashes are plain characters (scripts write paths with them).
std::vector<std::string> splitArguments(std::string_view parameters);

// HIGH, REALTIME and IDLE in "HIGHREALTIMEIDLE".
extern const core::KeywordTable<os::Priority> kPriorities;
// SHUTDOWN, POWEROFF and REBOOT in "SHUTDOWNPOWEROFFREBOOT".
extern const core::KeywordTable<os::SessionEnd> kSessionEnds;

// A priority word by its first occurrence in kPriorities; any other word,
// the empty one included, is the normal priority.
os::Priority priorityFor(std::string_view word);

// A session end word by its first occurrence in kSessionEnds; any other
// word asks for a shut-down.
os::SessionEnd sessionEndFor(std::string_view word);

}  // namespace quillan::commands
