// OPTION: changes one run-time setting of the running script. Settings
// start from their defaults at every run and are not stored anywhere.
#include "runtime/commands/ProgramCommands.h"
#include "runtime/commands/SystemCommands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionSupport.h"
#include "runtime/functions/NumberText.h"

namespace quillan::commands {

using core::Runtime;

namespace {

using O = RunOption;
constexpr core::KeywordRow<RunOption> kOptionRows[] = {{1, O::FileName}, {9, O::SleepTime}, {18, O::FieldSep},
                                                       {26, O::RegBuf},  {32, O::Priority}, {40, O::SkDelay}};

}  // namespace

const core::KeywordTable<RunOption> kRunOptions{"FILENAMESLEEPTIMEFIELDSEPREGBUFPRIORITYSKDELAY", kOptionRows};

namespace {

// A value that is no number leaves the setting as it was: the invalid mark
// of the integer rule would be a negative pause or buffer size.
void setNumber(std::string_view value, std::int32_t& setting) {
  std::int32_t number = 0;
  if (functions::storableInteger(value, number)) setting = number;
}

void option(Runtime& rt) {
  std::string word = core::requiredField(rt);
  const std::string value = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(word);
  const auto* row = kRunOptions.find(word);
  if (row == nullptr) {
    rt.fail(core::kUnknownWord);
    return;
  }
  core::RunSettings& settings = rt.settings;
  switch (row->entry) {
    case RunOption::FileName:
      settings.shortFileNames = functions::equalIgnoringCase(value, "SHORT");
      return;
    case RunOption::SleepTime:
      setNumber(value, settings.sleepTime);
      return;
    case RunOption::FieldSep:
      settings.fieldSep = value.front();
      return;
    case RunOption::RegBuf:
      setNumber(value, settings.regBuf);
      return;
    case RunOption::Priority:
      // A priority the user may not raise to is refused by the system and
      // leaves the runtime where it was; that is no error of the script.
      if (rt.os.processes != nullptr) rt.os.processes->setOwnPriority(priorityFor(value));
      return;
    case RunOption::SkDelay:
      setNumber(value, settings.skDelay);
      return;
  }
}

constexpr core::CommandRow kRows[] = {{core::Command::Option, &option}};

}  // namespace

const std::span<const core::CommandRow> kOptionCommands = kRows;

}  // namespace quillan::commands
