#include "runtime/commands/ProgramCommands.h"

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/Variables.h"

namespace quillan::commands {

using core::nextField;
using core::requiredField;
using core::Runtime;
using core::upperAsciiInPlace;

namespace {

constexpr core::KeywordRow<os::Priority> kPriorityRows[] = {
    {1, os::Priority::High}, {5, os::Priority::Realtime}, {13, os::Priority::Idle}};
constexpr core::KeywordRow<os::SessionEnd> kSessionEndRows[] = {
    {1, os::SessionEnd::Shutdown}, {9, os::SessionEnd::PowerOff}, {17, os::SessionEnd::Reboot}};

}  // namespace

const core::KeywordTable<os::Priority> kPriorities{"HIGHREALTIMEIDLE", kPriorityRows};
const core::KeywordTable<os::SessionEnd> kSessionEnds{"SHUTDOWNPOWEROFFREBOOT", kSessionEndRows};

CommandLineParts splitProgram(std::string_view commandLine) {
  CommandLineParts parts;
  std::size_t i = 0;
  bool quoted = false;
  for (; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      break;
    } else {
      parts.program.push_back(c);
    }
  }
  const std::size_t rest = commandLine.find_first_not_of(' ', i);
  // No length limit on the parameters: a cut-off argument list would start
  // the program with arguments nobody wrote.
  if (rest != std::string_view::npos) parts.parameters.assign(commandLine.substr(rest));
  return parts;
}

std::vector<std::string> splitArguments(std::string_view parameters) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const char c = parameters[i];
    if (c == '"') {
      if (quoted && i + 1 < parameters.size() && parameters[i + 1] == '"') {
        current.push_back('"');
        ++i;
      } else {
        quoted = !quoted;
      }
      inArgument = true;  // "" alone is an empty argument
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current.push_back(c);
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

os::Priority priorityFor(std::string_view word) {
  std::string upper(word);
  upperAsciiInPlace(upper);
  const auto* row = kPriorities.find(upper);
  return row != nullptr ? row->entry : os::Priority::Normal;
}

os::SessionEnd sessionEndFor(std::string_view word) {
  std::string upper(word);
  upperAsciiInPlace(upper);
  // Fragments found elsewhere in the string (OFF, DOWN) ask for the
  // mildest request, as a word that is not found at all does.
  const auto* row = kSessionEnds.find(upper);
  return row != nullptr ? row->entry : os::SessionEnd::Shutdown;
}

namespace {

bool isWait(std::string_view field) {
  if (field.size() != 4) return false;
  std::string upper(field);
  upperAsciiInPlace(upper);
  return upper == "WAIT";
}

// Starts the request and records the outcome: -1 when nothing could be
// started, the exit code after waiting, 0 otherwise. A priority that was
// refused leaves the program running at the normal one and clears the
// success flag, so a script can tell; the last run result stays the
// program's own.
void startProgram(Runtime& rt, const os::ProgramRequest& request, bool wait) {
  os::ProgramOutcome outcome;  // not started unless a service starts it
  if (rt.os.processes != nullptr) {
    outcome = rt.os.processes->run(request, wait, [&rt] {
      if (rt.os.ui != nullptr) rt.os.ui->processMessages();
    });
  }
  rt.lastRunResult = outcome.started ? outcome.exitCode : -1;
  rt.success = rt.lastRunResult != -1 && outcome.priorityApplied;
}

// The fields after the program: WAIT, then the priority word.
void readWaitAndPriority(Runtime& rt, os::ProgramRequest& request, bool& wait) {
  wait = isWait(nextField(rt));
  request.priority = priorityFor(nextField(rt));
}

// The quotes a script writes around a path are gone by the time RUN sees
// its field, so "/opt/My Tools/tool -v" arrives without them. When the first
// word names a path that does not exist, the longer runs of words are tried
// in turn, and the first that names an existing file is the program.
CommandLineParts programOf(Runtime& rt, std::string_view commandLine) {
  CommandLineParts parts = splitProgram(commandLine);
  const bool isPath = parts.program.find_first_of("/\\") != std::string::npos;
  if (!isPath || rt.os.fs == nullptr || rt.os.fs->exists(parts.program) ||
      commandLine.find('"') != std::string_view::npos)
    return parts;
  for (std::size_t blank = commandLine.find(' ', parts.program.size() + 1);; blank = commandLine.find(' ', blank + 1)) {
    const std::string_view candidate = commandLine.substr(0, blank);
    if (candidate.back() != ' ' && rt.os.fs->exists(candidate)) {
      CommandLineParts found;
      found.program.assign(candidate);
      if (blank != std::string_view::npos) {
        const std::size_t rest = commandLine.find_first_not_of(' ', blank);
        if (rest != std::string_view::npos) found.parameters.assign(commandLine.substr(rest));
      }
      return found;
    }
    if (blank == std::string_view::npos) break;
  }
  return parts;
}

void runWith(Runtime& rt, os::ShowMode show) {
  const std::string commandLine = requiredField(rt);
  if (rt.error != 0) return;
  const CommandLineParts parts = programOf(rt, commandLine);
  os::ProgramRequest request;
  request.verb = "open";
  request.file = parts.program;
  request.arguments = splitArguments(parts.parameters);
  request.show = show;
  bool wait = false;
  readWaitAndPriority(rt, request, wait);
  if (rt.error != 0) return;
  startProgram(rt, request, wait);
}

void run(Runtime& rt) { runWith(rt, os::ShowMode::Normal); }
void runH(Runtime& rt) { runWith(rt, os::ShowMode::Hidden); }
void runM(Runtime& rt) { runWith(rt, os::ShowMode::Maximized); }
void runZ(Runtime& rt) { runWith(rt, os::ShowMode::Minimized); }

void shell(Runtime& rt) {
  os::ProgramRequest request;
  request.verb = nextField(rt);
  request.file = requiredField(rt);
  const std::string parameters = nextField(rt);
  request.directory = nextField(rt);
  if (rt.error != 0) return;
  request.arguments = splitArguments(parameters);
  bool wait = false;
  readWaitAndPriority(rt, request, wait);
  if (rt.error != 0) return;
  startProgram(rt, request, wait);
}

void beep(Runtime& rt) {
  if (rt.os.ui != nullptr) rt.os.ui->beep();
}

void play(Runtime& rt) {
  const std::string file = requiredField(rt);
  if (rt.error != 0) return;
  const std::string path = core::lookUpFile(rt, file);
  const bool wait = isWait(nextField(rt));
  if (rt.error != 0) return;
  if (rt.os.ui != nullptr) rt.os.ui->playSound(path, wait);
}

void shift(Runtime& rt) {
  for (std::size_t i = 0; i + 1 < 9; ++i) rt.vars[i] = std::move(rt.vars[i + 1]);
  rt.vars[8].clear();
}

void parse(Runtime& rt) {
  const std::string names = requiredField(rt);
  if (rt.error != 0) return;
  const std::string text = nextField(rt);
  if (rt.error != 0) return;
  core::splitInto(rt, text, names, rt.settings.fieldSep);
}

void exitWin(Runtime& rt) {
  const os::SessionEnd how = sessionEndFor(nextField(rt));
  if (rt.error != 0) return;
  if (rt.os.sessionManager != nullptr) rt.os.sessionManager->endSession(how);
}

using core::Command;
constexpr core::CommandRow kRows[] = {{Command::Run, &run},        {Command::RunH, &runH},   {Command::RunM, &runM},
                                      {Command::RunZ, &runZ},      {Command::Shell, &shell}, {Command::Beep, &beep},
                                      {Command::Play, &play},      {Command::Shift, &shift}, {Command::Parse, &parse},
                                      {Command::ExitWin, &exitWin}};

}  // namespace

const std::span<const core::CommandRow> kProgramCommands = kRows;

}  // namespace quillan::commands
