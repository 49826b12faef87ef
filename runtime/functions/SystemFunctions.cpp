// System facts, the environment, the directories scripts ask for, and the
// runtime's own version.
#include "QuillanVersion.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionKeywords.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

constexpr std::string_view kVersionText = QUILLAN_VERSION_TEXT " (32-bit)";

using I = SystemItem;
constexpr core::KeywordRow<SystemItem> kSystemItemRows[] = {
    {1, I::WinVer},  {7, I::ScreenWidth}, {18, I::ScreenHeight}, {30, I::Win32}, {35, I::PixPerIn},
    {43, I::TotMem}, {49, I::FreeMem},    {53, I::MemLoad},      {60, I::QnVer}};

}  // namespace

const core::KeywordTable<SystemItem> kSystemItems{"WINVERSCREENWIDTHSCREENHEIGHTWIN32PIXPERINTOTMEMFREEMEMLOADQNVER",
                                                  kSystemItemRows};

namespace {

// Items by their first occurrence in the packed string; the machine facts
// come from the platform, in plain decimal.
void sysinfo(Runtime& rt, std::string& result) {
  std::string item = core::nextArgument(rt);
  core::upperAsciiInPlace(item);
  const auto* row = kSystemItems.find(item);
  if (row == nullptr) {
    rt.fail(core::kBadValue);
    return;
  }
  if (row->entry == SystemItem::Win32) {
    result = "1";
    return;
  }
  if (row->entry == SystemItem::QnVer) {
    result = kVersionText;
    return;
  }
  os::SystemInfo* system = rt.os.system;
  if (system == nullptr) return;
  switch (row->entry) {
    case SystemItem::WinVer: {
      const os::KernelVersion version = system->kernelVersion();
      result = std::to_string(version.major) + "." + std::to_string(version.minor);
      return;
    }
    case SystemItem::ScreenWidth:
      result = std::to_string(system->screen().width);
      return;
    case SystemItem::ScreenHeight:
      result = std::to_string(system->screen().height);
      return;
    case SystemItem::PixPerIn:
      result = std::to_string(system->screen().pixelsPerInch);
      return;
    // Kilobytes from 64-bit figures: a byte count in 32 bits wraps on any
    // machine with more than 2 GiB and gave negative or tiny sizes.
    case SystemItem::TotMem:
      result = std::to_string(system->memory().totalKb);
      return;
    case SystemItem::FreeMem:
      result = std::to_string(system->memory().availableKb);
      return;
    case SystemItem::MemLoad:
      result = std::to_string(system->memory().loadPercent);
      return;
    case SystemItem::Win32:
    case SystemItem::QnVer:
      return;
  }
}

// The argument is read (and so expanded) before the flag is looked at: in
// @ok(@sum(a,1)) the answer is about the inner call.
void ok(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  if (rt.success) result = "1";
}

void env(Runtime& rt, std::string& result) {
  const std::string name = core::nextArgument(rt);
  if (rt.error != 0 || name.empty() || rt.os.system == nullptr) return;
  result = rt.os.system->environmentVariable(name);
}

// There are no drives: a drive letter is read and ignored, and the result
// is the one current directory.
void curdir(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  if (rt.error != 0 || rt.os.fs == nullptr) return;
  result = rt.os.fs->currentDirectory();
}

// The per-user Quillan directory (where the default INI file and INI files
// named without a directory live), or with "S" the user's own program
// directory on PATH.
void windir(Runtime& rt, std::string& result) {
  std::string which = core::nextArgument(rt);
  if (rt.error != 0 || rt.os.fs == nullptr) return;
  core::upperAsciiInPlace(which);
  result = which == "S" ? rt.os.fs->userProgramDir() : rt.os.fs->userConfigDir();
}

constexpr FunctionRow kRows[] = {{Function::SysInfo, &sysinfo},
                                 {Function::Ok, &ok},
                                 {Function::Env, &env},
                                 {Function::CurDir, &curdir},
                                 {Function::WinDir, &windir}};

}  // namespace

const std::span<const FunctionRow> kSystemFunctions = kRows;

}  // namespace quillan::functions
