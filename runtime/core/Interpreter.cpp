#include "runtime/core/Interpreter.h"

#include <cstdio>

#include "runtime/core/Commands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/LineTrace.h"
#include "runtime/core/Variables.h"

namespace quillan::core {

void Runtime::notAvailable(std::string_view what) {
  if (error == kNotAvailable) return;
  error = kNotAvailable;
  errorText = std::string(what) + " is not available in this version of the runtime";
}

namespace {

// The variable "%" and slot name, or null for a name that is none ("%0"
// and "%" followed by anything but 1-9 and a letter).
std::string* variableNamed(Runtime& rt, char slot) {
  const char c = upperAscii(slot);
  if (c >= '1' && c <= '9') return &rt.vars[static_cast<std::size_t>(c - '1')];
  if (c >= 'A' && c <= 'Z') return &rt.vars[static_cast<std::size_t>(9 + (c - 'A'))];
  return nullptr;
}

// Assignment: "%X", blanks and at least one "=", then one field.
void assign(Runtime& rt, char slot) {
  bool equals = false;
  while (rt.pos <= rt.length() && (rt.at(rt.pos) == ' ' || rt.at(rt.pos) == '=')) {
    equals = equals || rt.at(rt.pos) == '=';
    ++rt.pos;
  }
  if (!equals) {
    rt.fail(kNoEquals);
    return;
  }
  ScratchText value(rt.texts);
  readField(rt, *value);
  std::string* variable = variableNamed(rt, slot);
  if (variable == nullptr) {
    rt.fail(kNoSuchVariable);
    return;
  }
  // Copied, not swapped: each keeps the room it has grown to, so neither
  // needs the heap again when the line runs next.
  variable->assign(*value);
}

void runCommand(Runtime& rt, Command command) {
  const CommandHandler handler = rt.commands != nullptr ? (*rt.commands)[command] : nullptr;
  if (handler == nullptr) {
    rt.notAvailable("The command " + std::string(kCommandNames[static_cast<std::size_t>(command)]));
    return;
  }
  handler(rt);
}

// Commands that only move the script along: with assignments and the
// lines that do nothing, they are the lines after which the window system
// need not have its turn at once.
constexpr Command kQuickCommands[] = {Command::If,    Command::Else, Command::End,    Command::Goto,
                                      Command::Gosub, Command::Exit, Command::Repeat, Command::Until};

bool isQuick(Command command) {
  for (const Command quick : kQuickCommands)
    if (quick == command) return true;
  return false;
}

// Decodes how the stored line begins: the only reader of a line's first
// word. Leading blanks are skipped (a line of blanks, or of one character
// after them, does nothing), the word runs to the next blank and is
// upper-cased; a label line does nothing when it is reached.
Runtime::LineStart decodeLineStart(const std::string& line) {
  Runtime::LineStart start;
  const int n = static_cast<int>(line.size());
  auto at = [&](int p) { return p >= 1 && p <= n ? line[static_cast<std::size_t>(p - 1)] : '\0'; };
  int p = 1;
  while (at(p) == ' ' && p < n) ++p;
  if (n == 0 || line.front() == ':' || p == n) {
    start.kind = Runtime::LineStart::Ignored;
    start.quick = true;
    return start;
  }
  int end = p;
  while (end <= n && at(end) != ' ') ++end;
  std::string word = line.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(end - p));
  upperAsciiInPlace(word);
  start.afterWord = end;
  if (word.front() == '\r') {
    start.kind = Runtime::LineStart::Ignored;
    start.quick = true;
  } else if (word.front() == '%') {
    start.kind = Runtime::LineStart::Assignment;
    start.slot = word.size() > 1 ? word[1] : '\0';
    start.quick = true;
  } else {
    const Command command = findCommand(word);
    start.kind = command == Command::Count ? Runtime::LineStart::NotACommand : Runtime::LineStart::Command;
    start.command = static_cast<std::uint8_t>(command);
    start.quick = isQuick(command);
  }
  return start;
}

// Executes the line at rt.line, which becomes the working line, through its
// decoded start. Returns whether the line was a quick one.
bool executeStoredLine(Runtime& rt) {
  const auto index = static_cast<std::size_t>(rt.line);
  Runtime::LineStart& start = rt.lineStarts[index];
  if (start.kind == Runtime::LineStart::Unknown) start = decodeLineStart(rt.store[index]);
  switch (start.kind) {
    case Runtime::LineStart::Unknown:
    case Runtime::LineStart::Ignored:
      break;
    case Runtime::LineStart::Assignment:
      rt.readStoredLine(rt.line);
      rt.pos = start.afterWord;
      assign(rt, start.slot);
      break;
    case Runtime::LineStart::NotACommand:
      rt.fail(kUnknownCommand);
      break;
    case Runtime::LineStart::Command:
      rt.readStoredLine(rt.line);
      rt.pos = start.afterWord;
      runCommand(rt, static_cast<Command>(start.command));
      break;
  }
  return start.quick;
}

// Writes the line to the trace before it runs, and the error it set after.
bool executeTracedLine(Runtime& rt) {
  rt.trace->line(rt.line + 1, rt.store[static_cast<std::size_t>(rt.line)]);
  const bool quick = executeStoredLine(rt);
  if (rt.error != 0) rt.trace->error(rt.error);
  return quick;
}

// The line is done: nothing reads the store's text any more, and a store
// retired while the line ran can go.
void lineDone(Runtime& rt) {
  rt.work = {};
  rt.workLine = -1;
  if (!rt.retiredStore.empty()) std::vector<std::string>().swap(rt.retiredStore);
}

}  // namespace

void runLines(Runtime& rt) {
  rt.error = 0;
  rt.stop = false;
  rt.jumps.clear();  // a new store may sit where the last one was
  rt.lineStarts.assign(rt.store.size(), Runtime::LineStart{});
  rt.callSites.fill(Runtime::CallSite{});
  rt.argumentSites.fill(Runtime::ArgumentSite{});
  rt.linesUntilMessages = 0;
  if (rt.store.empty()) return;
  const auto count = static_cast<std::int32_t>(rt.store.size());
  for (;;) {
    // The window system's turn: before the first line, after any line that
    // may have taken time, and otherwise every few quick lines, which
    // together take far less time than a person could notice. The UI
    // decides itself whether anything can be waiting; asking it costs a
    // clock read, more than a quick line's own work.
    if (--rt.linesUntilMessages < 0) {
      rt.linesUntilMessages = rt.quickLinesPerMessageRound - 1;
      if (rt.os.ui != nullptr) rt.os.ui->processMessagesIfDue();
      if (rt.stop || rt.terminated) break;  // a message handler ended the script
    }
    const bool quick = rt.trace == nullptr ? executeStoredLine(rt) : executeTracedLine(rt);
    lineDone(rt);
    if (!quick) rt.linesUntilMessages = 0;
    ++rt.line;
    if (rt.stop) break;
    if (rt.line >= count || rt.line < 0 || rt.error >= 1) {
      rt.stop = true;
      break;
    }
  }
}

std::string runTimeErrorText(int code, int lineNumber) {
  char text[64];
  std::snprintf(text, sizeof text, "Run time error %3d\rat line %3d", code, lineNumber);
  return text;
}

std::string unexpectedErrorText(int lineIndex) {
  char text[48];
  std::snprintf(text, sizeof text, "Unexpected error\rat line %3d", lineIndex);
  return text;
}

std::string outOfMemoryText(int lineIndex) {
  char text[48];
  std::snprintf(text, sizeof text, "Out of memory\rat line %3d", lineIndex);
  return text;
}

void showErrorBox(Runtime& rt, const std::string& text) {
  if (rt.os.ui == nullptr) return;
  rt.os.ui->messageBox(rt.os.ui->applicationTitle(), text, os::BoxIcon::Exclamation, os::BoxButtons::Ok);
}

void startScript(Runtime& rt) {
  runLines(rt);
  if (rt.terminated) return;  // ended by an unexpected error while messages ran
  if (rt.dialog->exists()) rt.dialog->restoreCursor();
  if (rt.error == kNotAvailable) {
    char where[32];
    std::snprintf(where, sizeof where, "\rat line %3d", rt.line);
    showErrorBox(rt, rt.errorText + where);
  } else if (rt.error >= 1) {
    showErrorBox(rt, runTimeErrorText(rt.error, rt.line));
  }
  terminate(rt);
}

void reportUnexpected(Runtime& rt) {
  if (rt.terminated) return;
  rt.stop = true;
  rt.unexpectedError = true;
  showErrorBox(rt, unexpectedErrorText(rt.line));
  terminate(rt);
}

void reportOutOfMemory(Runtime& rt) {
  if (rt.terminated) return;
  rt.stop = true;
  rt.unexpectedError = true;
  // The script ends here, so its values are of no further use, and the
  // largest of them is what exhausted memory.
  for (auto& slot : rt.vars) std::string().swap(slot);
  std::string().swap(rt.ownWork);
  rt.work = {};
  rt.texts.release();
  showErrorBox(rt, outOfMemoryText(rt.line));
  terminate(rt);
}

void terminate(Runtime& rt) {
  if (rt.terminated) return;
  if (rt.dialog->exists()) rt.dialog->close();
  if (rt.workLine >= 0) {
    // A line of the store is being read (the run ends from inside it): its
    // readers finish on the retired store, released when the line is done.
    rt.retiredStore.swap(rt.store);
  }
  rt.store.clear();
  rt.store.shrink_to_fit();
  for (auto& list : rt.lists) list.reset();
  rt.stop = true;
  rt.terminated = true;
}

}  // namespace quillan::core
