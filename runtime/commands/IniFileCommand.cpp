// INIFILE OPEN and WRITE: the INI file a script keeps its values in. Until
// a script opens a file of its own, its values go to the default INI file,
// in sections of its own (see core::iniSectionFor).
#include "runtime/commands/SystemCommands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Variables.h"

namespace quillan::commands {

using core::Runtime;

namespace {

constexpr core::KeywordRow<IniFileAction> kActionRows[] = {{1, IniFileAction::Open}, {5, IniFileAction::Write}};

}  // namespace

const core::KeywordTable<IniFileAction> kIniFileActions{"OPENWRITE", kActionRows};

namespace {

// The name is kept as written; the INI files service decides where a bare
// name lives.
void open(Runtime& rt) {
  std::string file = core::requiredField(rt);
  if (rt.error != 0) return;
  rt.settings.iniFile = std::move(file);
  rt.settings.usingDefaultIni = false;
}

// An empty value is written as such: the key stays. A write that fails
// clears the success flag (a successful one leaves it as it was), so a
// script can tell that its value was not kept.
void write(Runtime& rt) {
  const std::string section = core::iniSectionFor(rt, core::nextField(rt));
  const std::string key = core::requiredField(rt);
  const std::string value = core::nextField(rt);
  if (rt.error != 0) return;
  if (rt.os.iniFiles == nullptr || !rt.os.iniFiles->write(core::iniFileInUse(rt), section, key, value))
    rt.success = false;
}

void iniFile(Runtime& rt) {
  std::string action = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(action);
  const auto* row = kIniFileActions.find(action);
  if (row == nullptr) {
    rt.fail(core::kUnknownWord);
    return;
  }
  switch (row->entry) {
    case IniFileAction::Open:
      open(rt);
      return;
    case IniFileAction::Write:
      write(rt);
      return;
  }
}

constexpr core::CommandRow kRows[] = {{core::Command::IniFile, &iniFile}};

}  // namespace

const std::span<const core::CommandRow> kIniFileCommands = kRows;

}  // namespace quillan::commands
