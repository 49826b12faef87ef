// WAIT: pause for a time, or until the dialog's event slot is filled.
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/Runtime.h"
#include "runtime/functions/NumberText.h"

namespace quillan::commands {

void waitCommand(core::Runtime& rt) {
  core::DialogHost& host = *rt.dialog;
  bool forEvent = false;
  bool limited = false;
  std::int64_t limit = 0;
  std::int64_t start = 0;
  // Every argument is read, at least one. A later time replaces an
  // earlier one and counts from the moment it is read.
  do {
    std::string argument = core::nextField(rt);
    if (rt.error != 0) return;
    core::upperAsciiInPlace(argument);
    if (argument == "EVENT") {
      forEvent = true;
      continue;
    }
    std::int32_t seconds = 0;
    if (!functions::parseInteger(argument, seconds) || seconds < 1) seconds = 1;
    limit = static_cast<std::int64_t>(seconds) * 1000;  // no overflow for any 32-bit count
    start = host.tickCount();
    limited = true;
  } while (rt.pos <= rt.length());

  bool timeUp = false;
  for (;;) {
    // A negative SLEEPTIME (the invalid mark of a bad OPTION value, say)
    // would be an endless sleep to the system: it means no pause at all.
    host.pause(rt.settings.sleepTime > 0 ? rt.settings.sleepTime : 0);
    if (rt.os.ui != nullptr) rt.os.ui->processMessages();
    if (rt.terminated) return;  // a failure while messages ran ended the script
    // Unsigned, so a clock that wraps around still measures right.
    const auto elapsed = static_cast<std::uint64_t>(host.tickCount()) - static_cast<std::uint64_t>(start);
    timeUp = limited && elapsed >= static_cast<std::uint64_t>(limit);
    if ((forEvent && !rt.settings.eventText.empty()) || timeUp) break;
    if (!forEvent) continue;
    if (host.idle() == core::IdleOutcome::Stuck && !limited) {
      // Nobody is at the screen and nothing is left to do: waiting on
      // would never end.
      host.reportStuck();
      rt.stuck = true;
      rt.stop = true;
      return;
    }
  }
  if (forEvent && timeUp && rt.settings.eventText.empty()) rt.settings.eventText = "TIMER";
}

}  // namespace quillan::commands
