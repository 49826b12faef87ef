// Runs script lines against a recording dialog host: the interpreter's side
// of the dialog commands, with no window anywhere.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "ScriptLines.h"
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

struct ScriptFixture : ::testing::Test, ScriptLines<ScriptFixture> {
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
};

}  // namespace quillan::testing
