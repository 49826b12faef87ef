// Runs script lines against fakes, for the interpreter's tests.
#pragma once

#include <string>
#include <vector>

#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIniFiles.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeUserInterface.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Runtime.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::testing {

struct ScriptHarness {
  fake::FakeUserInterface ui;
  fake::FakeFileSystem fs;
  fake::FakeRegistry registry;
  fake::FakeIniFiles iniFiles;
  fake::FakeClipboard clipboard;
  core::Runtime rt{os::Platform{&ui, &fs, &registry}};

  ScriptHarness() {
    rt.os.iniFiles = &iniFiles;
    rt.os.clipboard = &clipboard;
    rt.os.files = &fs;
    rt.commands = &commands::standardCommands();
    functions::installFunctions(rt, functions::standardFunctions());
    core::prepare(rt, "/work/test.exe", {});
  }

  // Runs the lines as a whole script (report and termination included).
  void run(std::vector<std::string> lines) {
    rt.store = std::move(lines);
    rt.line = 0;
    core::startScript(rt);
  }

  // Puts text in the working line with the read position where a command's
  // handler would find it: on the first blank after the first word.
  void setLine(const std::string& text) {
    rt.readText(text);
    rt.error = 0;
    rt.pos = 1;
    while (rt.pos <= rt.length() && rt.at(rt.pos) != ' ') ++rt.pos;
  }

  std::string& var(char letter) {
    return letter >= '1' && letter <= '9' ? rt.vars[static_cast<std::size_t>(letter - '1')]
                                          : rt.vars[static_cast<std::size_t>(9 + (letter - 'A'))];
  }
  // Texts of the boxes shown, in order.
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : ui.boxes) texts.push_back(box.text);
    return texts;
  }
};

}  // namespace quillan::testing
