#include "runtime/core/ControlFlow.h"

#include <cstddef>
#include <string>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"

namespace quillan::core {
namespace {

std::size_t at(std::int32_t index) { return static_cast<std::size_t>(index); }

// A condition holds when something other than blanks and control
// characters is left of it: comparisons give an empty text for false, so
// "0" is true.
bool holds(std::string_view condition) {
  for (const char c : condition)
    if (static_cast<unsigned char>(c) > ' ') return true;
  return false;
}

// Reads the condition field. A call that fails while it is read leaves an
// empty text behind, which must not be taken for a false condition: the
// jump would move the line the error is reported at.
bool readCondition(Runtime& rt, bool& result) {
  ScratchText condition(rt.texts);
  readField(rt, *condition);
  if (rt.error != 0) return false;
  result = holds(*condition);
  return true;
}

void ifCommand(Runtime& rt) {
  bool result = false;
  if (!readCondition(rt, result) || result) return;
  const std::int32_t to = rt.jumps.skipFromIf(rt.store, rt.line);
  if (to == LabelIndex::kNone) {
    rt.fail(kNoEnd);
    return;
  }
  rt.line = to;  // the ELSE or END; the lines after it run
}

// Reached only when the lines of a true IF ran into it.
void elseCommand(Runtime& rt) {
  const std::int32_t to = rt.jumps.skipFromElse(rt.store, rt.line);
  if (to == LabelIndex::kNone) {
    rt.fail(kNoEnd);
    return;
  }
  rt.line = to;
}

void endCommand(Runtime&) {}

// Reads the label and jumps to it; false when the line failed.
bool jumpToLabel(Runtime& rt) {
  ScratchText label(rt.texts);
  readField(rt, *label);
  if (label->empty()) rt.fail(kMissingArgument);
  if (rt.error != 0) return false;
  upperAsciiInPlace(*label);
  const std::int32_t target = rt.jumps.findLabel(rt.store, *label);
  if (target == LabelIndex::kNone) {
    rt.fail(kNoLabel);
    return false;
  }
  rt.line = target;
  rt.readStoredLine(target);
  return true;
}

void gotoCommand(Runtime& rt) { jumpToLabel(rt); }

void gosubCommand(Runtime& rt) {
  // The depth is checked before the label is read, so a call too deep is
  // error 10 whatever its label. It is not raised past the limit, which
  // keeps every stack index in range.
  if (rt.subDepth >= kMaxNesting) {
    rt.fail(kTooDeep);
    return;
  }
  ++rt.subDepth;
  rt.subStack[at(rt.subDepth)] = rt.line;
  rt.subRepeatDepth[at(rt.subDepth)] = rt.repeatDepth;
  jumpToLabel(rt);
}

void exitCommand(Runtime& rt) {
  if (rt.subDepth <= 0) {
    rt.stop = true;  // the script ends normally
    return;
  }
  // Loops left open inside the subroutine close with its return.
  rt.line = rt.subStack[at(rt.subDepth)];
  rt.repeatDepth = rt.subRepeatDepth[at(rt.subDepth)];
  --rt.subDepth;
}

void repeatCommand(Runtime& rt) {
  if (rt.repeatDepth >= kMaxNesting) {
    rt.fail(kTooDeep);
    return;
  }
  ++rt.repeatDepth;
  rt.repeatStack[at(rt.repeatDepth)] = rt.line;
}

void untilCommand(Runtime& rt) {
  if (rt.repeatDepth <= 0) {
    rt.fail(kUntilWithoutRepeat);
    return;
  }
  bool done = false;
  if (!readCondition(rt, done)) return;
  if (done)
    --rt.repeatDepth;
  else
    rt.line = rt.repeatStack[at(rt.repeatDepth)];  // back to the line after REPEAT
}

constexpr CommandRow kRows[] = {{Command::If, &ifCommand},         {Command::Else, &elseCommand},
                                {Command::End, &endCommand},       {Command::Goto, &gotoCommand},
                                {Command::Gosub, &gosubCommand},   {Command::Exit, &exitCommand},
                                {Command::Repeat, &repeatCommand}, {Command::Until, &untilCommand}};

}  // namespace

const std::span<const CommandRow> kControlFlowCommands = kRows;

}  // namespace quillan::core
