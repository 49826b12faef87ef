// Which calls of a fake fail: the Nth call of a named operation, or every
// call, fails with a code the test chooses. The fakes ask before each
// operation, so a test reaches a command's failure path (a program that
// cannot start, a settings write that fails halfway) without a broken disk.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quillan::fake {

class FailOnCue {
 public:
  // The call number n (1-based, counted from now on) of operation op fails
  // with code; n == 0 makes every later call of op fail.
  void failCall(std::string_view op, int n, int code) {
    Cue& cue = cues_[std::string(op)];
    cue.failAt = n == 0 ? 0 : cue.calls + n;
    cue.code = code;
  }
  void failEveryCall(std::string_view op, int code) { failCall(op, 0, code); }
  // Forgets every cue; the counts go on.
  void clear() {
    for (auto& [op, cue] : cues_) cue.code = 0;
  }
  // Counts one call of op: the code it must fail with, or 0 to go on.
  int next(std::string_view op) {
    Cue& cue = cues_[std::string(op)];
    ++cue.calls;
    if (cue.code == 0) return 0;
    if (cue.failAt == 0) return cue.code;
    return cue.calls == cue.failAt ? cue.code : 0;
  }
  // How many calls of op were made.
  int calls(std::string_view op) const {
    const auto it = cues_.find(std::string(op));
    return it == cues_.end() ? 0 : it->second.calls;
  }

 private:
  struct Cue {
    int calls = 0;
    int failAt = 0;  // the call that fails; 0 with a code: every call
    int code = 0;    // 0: no failure planned
  };
  std::map<std::string, Cue, std::less<>> cues_;
};

}  // namespace quillan::fake
