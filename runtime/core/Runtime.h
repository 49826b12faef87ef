// The interpreter's state: the script store, the variable table, the flags
// and counters every command works on, and the working line that the field
// reader reads. One Runtime lives for one script run.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/Platform.h"
#include "runtime/core/DialogHost.h"
#include "runtime/core/FunctionNameCache.h"
#include "runtime/core/InternalList.h"
#include "runtime/core/LabelIndex.h"
#include "runtime/core/TextPool.h"

namespace quillan::core {

struct Runtime;
struct CommandSet;
struct FunctionSet;
class LineTrace;
using CommandHandler = void (*)(Runtime&);

// Run-time error codes a command can set; the report shows the number only.
enum ErrorCode : std::int32_t {
  kNoError = 0,
  kUnknownCommand = 1,
  kMissingArgument = 2,
  kStyleTwice = 3,
  kBadList = 4,
  kNoSuchVariable = 5,
  kNoEquals = 6,
  kUnknownFunction = 7,
  kNoParenthesis = 8,
  kNoEnd = 9,
  kTooDeep = 10,
  kMissingFunctionArgument = 11,
  kNoLabel = 12,
  kBadValue = 13,
  kUnknownWord = 14,
  kUntilWithoutRepeat = 15,
  kBadStyle = 16,
  kDialogExists = 17,
  kNoCurrentItem = 19,
  kIconNotLoaded = 20,
  kElementNotCreated = 21,
  kNoDialog = 22,
  kBadElementName = 23,
  // Not a code of the language: a command or function whose part of the
  // runtime is not built yet. Reported with its own text, never as a number.
  kNotAvailable = 1000,
};

inline constexpr int kMaxNesting = 7;  // REPEAT and GOSUB levels

// The run-time settings: what OPTION and friends change, each starting a
// run at its default. prepare() resets them by assigning a fresh
// RunSettings and then fills in the ones worked out for the script.
struct RunSettings {
  std::string eventText;  // the dialog's event slot
  std::string titleText;  // set by prepare: the application title
  bool shortFileNames = false;
  std::int32_t regBuf = 256;
  std::int32_t sleepTime = 50;
  std::int32_t skDelay = 10;
  char fieldSep = '|';
  std::string iniFile;  // read it through iniFileInUse: empty until QN16.INI is found
  bool usingDefaultIni = true;
  std::string sectionPrefix;  // set by prepare: from the script's file name
};

struct Runtime {
  explicit Runtime(os::Platform platform) : os(platform) {}

  os::Platform os;
  DialogHost* dialog = &NoDialog::instance();
  const CommandSet* commands = nullptr;  // handlers, filled by the program's assembly
  // Evaluates the "@" call at the read position, appending its result to
  // the text of the argument being read; installed by the function library
  // with the function set and the cache of names below.
  void (*callFunction)(Runtime&, std::string& out) = nullptr;
  const FunctionSet* functions = nullptr;
  FunctionNameCache functionNames;

  // Script store and variables.
  std::vector<std::string> store;
  std::array<std::string, 35> vars;    // 0..8 are %1..%9, 9..34 are %A..%Z
  std::string scriptPath;              // %0: command-line argument 1
  std::vector<std::string> arguments;  // the script's parameters as passed

  // Interpreter state.
  std::int32_t line = 0;   // 0-based index of the line being executed
  std::int32_t error = 0;  // 0 or an ErrorCode; anything >= 1 ends the script
  std::string errorText;   // the report for kNotAvailable
  bool stop = false;
  bool success = true;
  bool terminated = false;
  bool unexpectedError = false;  // the script was ended by an escaped failure

  // Working line and read position (1-based, as the readers count). The
  // readers never edit the line: what a reference or a call stands for goes
  // into the text of the argument being read, and the position moves on
  // over the line's own text. So the working line is a view, not a copy:
  // of the stored line workLine while a script runs (readStoredLine), or of
  // ownWork for a text given directly (readText, for tests and tools).
  std::string_view work;
  std::int32_t workLine = -1;  // the stored line work shows, or -1
  std::string ownWork;
  int pos = 0;
  int functionDepth = 0;  // nesting of "@" calls being evaluated
  // The texts arguments, fields and call results are built in, reused from
  // line to line.
  TextPool texts;
  // Where each line run is written, or null (the usual case) for no trace.
  LineTrace* trace = nullptr;

  // Control flow.
  int repeatDepth = 0;
  int subDepth = 0;
  std::array<std::int32_t, kMaxNesting + 1> repeatStack{};
  std::array<std::int32_t, kMaxNesting + 1> subStack{};
  std::array<int, kMaxNesting + 1> subRepeatDepth{};  // repeat depth at each GOSUB, restored by EXIT
  // How each stored line begins, decoded on its first run: the store never
  // changes while a script runs, and the command word is always taken from
  // the stored text, so a line's command is found once.
  struct LineStart {
    enum Kind : std::uint8_t { Unknown, Ignored, Assignment, Command, NotACommand } kind = Unknown;
    std::uint8_t command = 0;    // a Command, for kind Command
    char slot = 0;               // the character after "%", for kind Assignment
    std::int32_t afterWord = 0;  // the read position a handler starts at
    bool quick = false;          // over in a moment: see runLines
  };
  std::vector<LineStart> lineStarts;
  // The store of a run that was terminated while one of its lines was being
  // read: kept until that line is done, since the line's readers and the
  // views they handed out still point into it.
  std::vector<std::string> retiredStore;
  // The window system is given its turn before every line that follows a
  // line which may have taken time, and otherwise only every this many
  // quick lines (assignments and control flow, see runLines); 1 gives it
  // its turn before every line. Lines left until the next turn below.
  int quickLinesPerMessageRound = 16;
  int linesUntilMessages = 0;
  // What the stored bytes of an "@" call decide, found once per call site:
  // the position of its "(" and the function its name selects. Keyed by
  // the stored line and the position of the "@"; cleared when a run
  // starts, since the store may change between runs.
  struct CallSite {
    std::int32_t line = -1;
    std::int32_t at = 0;
    std::int32_t open = 0;
    std::uint8_t function = 0;
  };
  std::array<CallSite, 256> callSites{};
  // The same for the arguments that functions read as views: what the
  // stored bytes from the read position on make of the next argument
  // (nothing, plain text, one reference alone, or text to be built).
  struct ArgumentSite {
    enum Kind : std::uint8_t { Empty, Plain, Reference, Built };
    std::int32_t line = -1;
    std::int32_t at = 0;    // the read position the argument is read from
    std::int32_t from = 0;  // its first character
    std::int32_t to = 0;    // plain text: its terminator; a reference: the slot (-1: %0)
    Kind kind = Empty;
  };
  std::array<ArgumentSite, 256> argumentSites{};
  LabelIndex jumps;  // label and block targets of the store; cleared when a run starts

  RunSettings settings;
  std::string defaultDir;  // read from the settings on first use; kept across runs

  // The exit code of the program RUN or SHELL waited for, 0 after a start
  // without waiting, -1 after a failure; read by RETCODE.
  std::int32_t lastRunResult = 0;

  // Dialog events (the event slot is settings.eventText).
  struct ClickRecord {
    std::string button;         // "LEFT", "RIGHT" or "CENTER"
    std::int32_t x = 0, y = 0;  // relative to the bitmap's top left corner
  };
  ClickRecord click;  // the last mouse press on a clickable bitmap
  // The full names of the files of the last drop on the dialog, not yet
  // read by LIST DROPFILE; empty when no drop is held.
  std::vector<std::string> droppedFiles;
  // The four internal string lists; an empty slot until LIST CREATE.
  std::array<std::unique_ptr<InternalList>, 4> lists;
  // Unattended, WAIT EVENT found nothing to wait for: the run was given up.
  bool stuck = false;

  // The stored line index becomes the working line.
  void readStoredLine(std::int32_t index) {
    work = store[static_cast<std::size_t>(index)];
    workLine = index;
  }
  // A text of its own becomes the working line, at no stored line.
  void readText(std::string_view text) {
    ownWork.assign(text);
    work = ownWork;
    workLine = -1;
  }

  int length() const { return static_cast<int>(work.size()); }
  // The character at 1-based position p, or NUL past either end.
  char at(int p) const { return (p >= 1 && p <= length()) ? work[static_cast<std::size_t>(p - 1)] : '\0'; }

  // Sets the run-time error. A later failure on a line replaces an earlier
  // one, so the last is reported. A part of the runtime that is missing
  // (kNotAvailable) is never replaced: what fails after it may fail only
  // because of it.
  void fail(std::int32_t code) {
    if (error != kNotAvailable) error = code;
  }
  // For the few steps that keep a code already set (an unknown word after a
  // word that was empty or failed): sets it only on a line without one.
  void failUnlessSet(std::int32_t code) {
    if (error == 0) error = code;
  }
  // Ends the line with the report that `what` is not built yet. It replaces
  // a language error set before it; of two missing parts the first is named.
  void notAvailable(std::string_view what);
};

}  // namespace quillan::core
