// Running script lines in a fixture that owns a core::Runtime named rt: one
// line through the loop, a script without the report, or the
// value of an expression. Shared by the fixtures with and without a window.
#pragma once

#include <string>
#include <vector>

#include "runtime/core/Interpreter.h"

namespace quillan::testing {

template <typename Fixture>
struct ScriptLines {
  // Executes one line through the loop, as a store of that line alone;
  // returns the error it left. Running off the end of the store marks the
  // script as ended, but the fixture's script goes on with its next line:
  // only a line that ended the script itself (a wait given up as stuck, an
  // escaped failure) leaves it ended.
  int line(const std::string& text) {
    core::Runtime& rt = runtime();
    rt.store = {text};
    rt.line = 0;
    core::runLines(rt);
    if (!rt.stuck && !rt.terminated) rt.stop = false;
    return rt.error;
  }
  // Runs lines as a script, without the report and termination.
  int run(std::vector<std::string> lines) {
    core::Runtime& rt = runtime();
    rt.store = std::move(lines);
    rt.line = 0;
    core::runLines(rt);
    return rt.error;
  }
  // The value of an expression, through an assignment to %Z.
  std::string value(const std::string& expression) {
    line("%Z = " + expression);
    return runtime().vars[9 + 25];
  }

 private:
  core::Runtime& runtime() { return static_cast<Fixture*>(this)->rt; }
};

}  // namespace quillan::testing
