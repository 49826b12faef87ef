// Runs script lines against a recording dialog host: the interpreter's side
// of the dialog commands, with no window anywhere.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeUserInterface.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::testing {

// Message processing that can make something happen, as a person would.
struct CallbackUi : fake::FakeUserInterface {
  std::function<void()> onRound;
  void processMessages() override {
    ++messageRounds;
    if (onRound) onRound();
  }
};

struct ScriptFixture : ::testing::Test {
  CallbackUi ui;
  fake::FakeFileSystem fs;
  RecordingHost host;
  core::Runtime rt{os::Platform{&ui, &fs, nullptr}};

  ScriptFixture() {
    rt.commands = &commands::standardCommands();
    functions::installFunctions(rt, functions::standardFunctions());
    core::prepare(rt, "/work/Tool.exe", {});
    rt.dialog = &host;
  }

  // Executes one line as the loop would; returns the error it left.
  int line(const std::string& text) {
    rt.error = 0;
    rt.store = {text};
    rt.line = 0;
    rt.work = text;
    core::executeLine(rt);
    return rt.error;
  }
  // Runs lines as a script, without the report and termination.
  int run(std::vector<std::string> lines) {
    rt.store = std::move(lines);
    rt.line = 0;
    core::runLines(rt);
    return rt.error;
  }
  // The value of an expression, through an assignment to %Z.
  std::string value(const std::string& expression) {
    line("%Z = " + expression);
    return rt.vars[9 + 25];
  }
};

}  // namespace quillan::testing
