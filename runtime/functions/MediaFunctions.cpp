// MCI: a command string for the desktop's media devices; the result is the
// reply, or the reason the command failed.
#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

void mci(Runtime& rt, std::string& result) {
  const std::string command = core::requiredArgument(rt);
  if (rt.error != 0) return;
  if (rt.os.media == nullptr) {
    rt.success = false;
    result = "there are no media devices here";
    return;
  }
  rt.success = rt.os.media->command(command, result);
}

constexpr FunctionRow kRows[] = {{Function::Mci, &mci}};

}  // namespace

const std::span<const FunctionRow> kMediaFunctions = kRows;

}  // namespace quillan::functions
