// Any line text, run as a script of its own and as the argument of the
// field reader: expansion, function calls and dispatch must end cleanly.
// The input is split at line feeds into a small script, so control flow
// between lines is exercised too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeUserInterface.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;

struct Limits : fake::FakeUserInterface {
  int lines = 0;
  // Scripts may loop for ever; the fuzzer stops them after a while.
  core::Runtime* rt = nullptr;
  void processMessagesIfDue() override {
    if (++lines > 2000) rt->stop = true;
    // A loop that doubles a value is legal script but not a finding.
    for (const auto& value : rt->vars)
      if (value.size() > (1u << 16)) rt->stop = true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  Limits ui;
  fake::FakeFileSystem fs;
  core::Runtime rt(os::Platform{&ui, &fs, nullptr});
  ui.rt = &rt;
  rt.quickLinesPerMessageRound = 1;  // the limits are checked before every line
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  core::prepare(rt, "/fuzz/script.exe", {"one", "two words", "\"q\""});
  rt.vars[9] = "x,y";  // %A with a comma

  // The whole input as one working line, read field by field.
  rt.readText(text);
  rt.pos = 1;
  for (int i = 0; i < 16 && rt.pos <= rt.length(); ++i) core::nextField(rt);

  // And as a script.
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    rt.store.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  rt.line = 0;
  rt.error = 0;
  core::startScript(rt);
  return 0;
}
