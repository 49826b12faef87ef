// Fault points in the atomic file replacement, so that tests can make any
// step fail (or end the process there, as a crash would) and check that the
// old file survives. Compiled in only for the test build of the library
// (QUILLAN_INI_FAULT_POINTS); the shipped library has no such hooks.
#pragma once

namespace quillan::ini::faults {

// The steps of a replacement, in the order they happen.
enum class WriteStep {
  CreateTemp,  // creating the temporary file beside the target
  WriteTemp,   // writing the new bytes into it
  SyncTemp,    // flushing it to the disk
  Rename,      // renaming it over the target
};

enum class Action {
  Fail,        // the step fails with the given errno
  EndProcess,  // _exit(0) at the step: the temporary file stays, as after a crash
};

// Arms one fault for the next replacement that reaches `step`; it fires
// once.
void arm(WriteStep step, int error, Action action = Action::Fail);
void disarm();

// Called by the writer at each step: 0 to go on, else the errno to fail with.
int fire(WriteStep step);

}  // namespace quillan::ini::faults
