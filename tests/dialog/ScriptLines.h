// Running script lines in a fixture that owns a core::Runtime named rt: one
// line as the loop would execute it, a script without the report, or the
// value of an expression. Shared by the fixtures with and without a window.
#pragma once

#include <string>
#include <vector>

#include "runtime/core/Interpreter.h"

namespace quillan::testing {

template <typename Fixture>
struct ScriptLines {
  // Executes one line as the loop would; returns the error it left.
  int line(const std::string& text) {
    core::Runtime& rt = runtime();
    rt.error = 0;
    rt.store = {text};
    rt.line = 0;
    rt.work = text;
    core::executeLine(rt);
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
