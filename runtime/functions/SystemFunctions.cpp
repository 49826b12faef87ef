// System facts and the runtime's own version.
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

constexpr std::string_view kVersionText = "2.05 (32-bit)";

void sysinfo(Runtime& rt, std::string& result) {
  std::string item = core::requiredArgument(rt);
  core::upperAsciiInPlace(item);
  constexpr std::string_view items = "WINVERSCREENWIDTHSCREENHEIGHTWIN32PIXPERINTOTMEMFREEMEMLOADQNVER";
  const int at = core::packedPosition(items, item);
  if (at == 60) {
    result = kVersionText;
    return;
  }
  if (item.empty()) return;
  rt.notAvailable("SYSINFO(" + item + ")");
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
