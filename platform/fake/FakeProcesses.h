// Programs for tests: records every request and answers with a scripted
// outcome; a waited-for program "runs" for a given number of ticks. A run
// planned to fail in `faults` ("run") reports a program that did not start;
// a refused change of the runtime's own priority is "setOwnPriority".
#pragma once

#include <vector>

#include "platform/api/Processes.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

struct StartedProgram {
  os::ProgramRequest request;
  bool wait;
};

class FakeProcesses : public os::Processes {
 public:
  std::vector<StartedProgram> started;
  os::ProgramOutcome outcome{true, true, 0};  // what every run reports
  int ticksWhileWaiting = 0;                  // tick calls made by a waited-for run
  FailOnCue faults;
  os::Priority ownPriority = os::Priority::Normal;  // as the last accepted change left it

  os::ProgramOutcome run(const os::ProgramRequest& request, bool wait, const std::function<void()>& tick) override {
    started.push_back({request, wait});
    if (faults.next("run") != 0) return {false, false, 0};
    if (!wait || !outcome.started) return {outcome.started, outcome.priorityApplied, 0};
    for (int i = 0; i < ticksWhileWaiting; ++i) tick();
    return outcome;
  }

  bool setOwnPriority(os::Priority priority) override {
    if (faults.next("setOwnPriority") != 0) return false;
    ownPriority = priority;
    return true;
  }
};

}  // namespace quillan::fake
