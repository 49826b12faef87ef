// Deciding what a request to start names: a program to run, a document (or
// folder, or web address) for the desktop's opener, or nothing at all; and
// the nice value each priority stands for.
#pragma once

#include <string>
#include <string_view>

#include "platform/api/Processes.h"

namespace quillan::process {

enum class TargetKind { Program, Document, Missing };

struct Target {
  TargetKind kind = TargetKind::Missing;
  std::string path;  // absolute for files, as given for web addresses
};

// file and directory use "/" only. A name with a "/" is a path (relative
// ones against directory, or the current directory when it is empty); a
// bare name is looked for on pathVariable first and in that directory
// second. An executable regular file is a program; any other file, a
// folder, or a name like "https://..." that is no file, is a document.
Target resolveTarget(const std::string& file, const std::string& directory, std::string_view pathVariable);

// The first executable regular file called name in the ":"-separated
// directories of pathVariable (an empty entry is the current directory),
// or empty.
std::string findOnPath(std::string_view name, std::string_view pathVariable);

// "scheme:..." with a scheme of two or more letters, so that a drive letter
// ("C:\...") is not taken for one.
bool looksLikeWebAddress(std::string_view text);

// The nice value a priority maps to; kKeepNice for Normal, which leaves
// the program at the runtime's own nice value.
//   High -10, Realtime -20, Idle 19.
// Realtime is the strongest nice value, not a real-time scheduling class:
// a runaway program in such a class can freeze the whole machine.
inline constexpr int kKeepNice = 1000;
int niceValueFor(os::Priority priority);

}  // namespace quillan::process
