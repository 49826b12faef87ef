// System facts and the runtime's own version.
#include "QuillanVersion.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

constexpr std::string_view kVersionText = QUILLAN_VERSION_TEXT " (32-bit)";

// Items by their first occurrence in the packed string; the machine facts
// come from the platform, in plain decimal.
void sysinfo(Runtime& rt, std::string& result) {
  std::string item = core::nextArgument(rt);
  core::upperAsciiInPlace(item);
  constexpr std::string_view items = "WINVERSCREENWIDTHSCREENHEIGHTWIN32PIXPERINTOTMEMFREEMEMLOADQNVER";
  const int at = core::packedPosition(items, item);
  os::SystemInfo* system = rt.os.system;
  switch (at) {
    case 1:
      if (system != nullptr) {
        const os::KernelVersion version = system->kernelVersion();
        result = std::to_string(version.major) + "." + std::to_string(version.minor);
      }
      return;
    case 7:
      if (system != nullptr) result = std::to_string(system->screen().width);
      return;
    case 18:
      if (system != nullptr) result = std::to_string(system->screen().height);
      return;
    case 30: result = "1"; return;
    case 35:
      if (system != nullptr) result = std::to_string(system->screen().pixelsPerInch);
      return;
    // Kilobytes from 64-bit figures: a byte count in 32 bits wraps on any
    // machine with more than 2 GiB and gave negative or tiny sizes.
    case 43:
      if (system != nullptr) result = std::to_string(system->memory().totalKb);
      return;
    case 49:
      if (system != nullptr) result = std::to_string(system->memory().availableKb);
      return;
    case 53:
      if (system != nullptr) result = std::to_string(system->memory().loadPercent);
      return;
    case 60: result = kVersionText; return;
    default: rt.fail(core::kBadValue); return;
  }
}

// The argument is read (and so expanded) before the flag is looked at: in
// @ok(@sum(a,1)) the answer is about the inner call.
void ok(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  if (rt.success) result = "1";
}

}  // namespace

void addSystemFunctions(FunctionSet& set) {
  set[Function::SysInfo] = &sysinfo;
  set[Function::Ok] = &ok;
}

}  // namespace quillan::functions
