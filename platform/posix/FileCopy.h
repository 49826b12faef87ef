// Copying a file so that no reader ever sees half of it: the bytes go to a
// temporary file beside the target, which takes the source's permission
// bits, modification time and stored attributes, is synced, and only then
// takes the target's name.
#pragma once

#include <string>

namespace quillan::posix {

// Copies the regular file `from` to `to` (system paths). With replace
// false an existing target is refused atomically: the finished copy is
// linked to the target's name, which fails when the name is taken, so no
// file another program creates meanwhile is overwritten. On failure the
// temporary file is removed and the target is as it was. Returns 0 or the
// errno of the step that failed.
int copyFileAtomically(const std::string& from, const std::string& to, bool replace);

// Names `to` a file that exists as `from`, refusing an existing `to`
// atomically, and removes the name `from` (what rename does, but never
// replacing). Returns 0 or an errno; EXDEV when the two lie on different
// file systems.
int renameNoReplace(const std::string& from, const std::string& to);

}  // namespace quillan::posix
