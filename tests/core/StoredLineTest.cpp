// A stored line is read in place, and what its bytes decide (where a
// call's "(" is and which function it names, what shape an argument has)
// is remembered per position. Nothing a variable brings in may be taken
// for part of the line: the same line run again with other values must
// read exactly what a text given directly reads, where nothing is
// remembered.
#include <gtest/gtest.h>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Interpreter.h"
#include "tests/support/ScriptHarness.h"

namespace quillan::core {
namespace {

// Values whose bytes would mean something in the line itself.
const char* const kValues[] = {"x", "@succ(1)", "(", ",", "a,b)", "%B", "@", "\"q,\"", "", "7", "%", "@len("};

// The expression as the field of a text given directly.
std::string readDirectly(const std::string& expression, const std::string& value, int& error) {
  testing::ScriptHarness h;
  h.var('A') = value;
  h.var('B') = "b,e)ta";
  h.setLine("X " + expression);
  std::string field = nextField(h.rt);
  error = h.rt.error;
  return field;
}

// A runtime with the standard commands and functions and a desktop of the
// test's own.
template <typename Desktop>
struct Rig {
  Desktop ui;
  testing::ScriptHarness standard;
  Runtime rt{os::Platform{&ui}};
  Rig() {
    rt.commands = standard.rt.commands;
    rt.callFunction = standard.rt.callFunction;
    rt.functions = standard.rt.functions;
  }
};

// Before every line, gives %A its next value when the line to run is the
// expression's, and keeps the result of the last run of it.
struct NextValue : fake::FakeUserInterface {
  Runtime* rt = nullptr;
  std::size_t next = 0;
  std::vector<std::string> results;
  void processMessagesIfDue() override {
    if (rt->line != 1) return;
    if (next > 0) results.push_back(rt->vars[9 + ('R' - 'A')]);
    if (next == std::size(kValues)) {
      rt->stop = true;
      return;
    }
    rt->vars[9] = kValues[next++];
  }
};

// The line stored and run once per value in one run, so that from the
// second value on it runs on what its first run remembered.
std::vector<std::string> runStored(const std::string& expression, int& error) {
  Rig<NextValue> rig;
  rig.ui.rt = &rig.rt;
  rig.rt.quickLinesPerMessageRound = 1;
  rig.rt.vars[9 + 1] = "b,e)ta";
  rig.rt.store = {":again", "%R = " + expression, "GOTO again"};
  runLines(rig.rt);
  error = rig.rt.error;
  return rig.ui.results;
}

TEST(StoredLine, ReadsWhatATextGivenDirectlyReads) {
  const char* const expressions[] = {
      "@len(%A)",               // a reference alone as an argument
      "@equal(%A,x)",           // plain text after it
      "@succ(%A)",              // a number or not
      "[%A]@len(%A)",           // a call behind other text
      "@upper(%A)@len(%A,%B)",  // two calls, a surplus argument
      "@pos(%A,%B)",            // a value with terminators
      "@len(%A%B)",             // references with more around them
      "@len( %A , x)",          // blanks
      "@substr(%A,1,2)",        // three arguments
      "@len(@upper(%A))",       // a call inside an argument
      "@len(%A",                // no ")" at the end
      "%A@len(\"%A,\")",        // quotes
  };
  for (const std::string expression : expressions) {
    int error = 0;
    const std::vector<std::string> stored = runStored(expression, error);
    EXPECT_EQ(error, 0) << expression;
    ASSERT_EQ(stored.size(), std::size(kValues)) << expression;
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
      int directError = 0;
      EXPECT_EQ(stored[i], readDirectly(expression, kValues[i], directError))
          << expression << " with %A = " << kValues[i];
      EXPECT_EQ(directError, 0) << expression;
    }
  }
}

// The desktop's turn: before every line after one that may take time, and
// every sixteen quick lines (assignments, control flow) otherwise.
struct RoundCounter : fake::FakeUserInterface {
  int rounds = 0;
  void processMessagesIfDue() override { ++rounds; }
};

TEST(StoredLine, TheDesktopHasItsTurnSoonAfterEveryLineThatMayTakeTime) {
  struct Case {
    std::vector<std::string> lines;
    int rounds;
  };
  std::vector<std::string> mixed(20, "%A = 1");
  mixed[5] = "TITLE x";
  const Case cases[] = {
      {{"TITLE a", "TITLE b", "TITLE c"}, 3},                                         // before each
      {std::vector<std::string>(40, "%A = 1"), 3},                                    // before 1, 17, 33
      {mixed, 2},                                                                     // before 1 and 7
      {{"%A = 0", "REPEAT", "%A = @succ(%A)", "UNTIL @equal(%A,20)", "TITLE x"}, 3},  // 42 quick lines first
  };
  for (const Case& c : cases) {
    Rig<RoundCounter> rig;
    rig.rt.store = c.lines;
    runLines(rig.rt);
    EXPECT_EQ(rig.rt.error, 0) << c.lines[0];
    EXPECT_EQ(rig.ui.rounds, c.rounds) << c.lines.size();
  }
}

// A question box whose answer ends the run while the line is being read:
// the rest of the line is still read from the line's own text.
struct EndsInABox : fake::FakeUserInterface {
  Runtime* rt = nullptr;
  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override {
    const os::BoxAnswer answer = FakeUserInterface::messageBox(caption, text, icon, buttons);
    if (text == "end?") reportUnexpected(*rt);
    return answer;
  }
};

TEST(StoredLine, ARunEndedInsideALineLeavesTheLineReadable) {
  Rig<EndsInABox> rig;
  rig.ui.rt = &rig.rt;
  rig.rt.store = {"INFO [@ask(end?)] and the rest of a line long enough to live on the heap", "INFO never"};
  startScript(rig.rt);
  ASSERT_EQ(rig.ui.boxes.size(), 3u);
  EXPECT_EQ(rig.ui.boxes[1].text, "Unexpected error\rat line   0");
  EXPECT_EQ(rig.ui.boxes[2].text, "[1] and the rest of a line long enough to live on the heap");
  EXPECT_TRUE(rig.rt.store.empty());
}

}  // namespace
}  // namespace quillan::core
