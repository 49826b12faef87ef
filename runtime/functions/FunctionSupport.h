// Helpers that several function families share: reading numeric arguments
// with the success flag set from the parse, yes/no results, and the
// regional settings in force (the C fallback when the platform gave none).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/api/Locale.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Runtime.h"
#include "runtime/functions/NumberText.h"

namespace quillan::functions {

using core::Runtime;

// The next argument, read into a text of the runtime's pool that is given
// back when the handler is done: the way hot functions read their
// arguments without making texts of their own.
class ArgumentText {
 public:
  explicit ArgumentText(Runtime& rt) : buffer_(rt.texts), text_(core::argumentView(rt, buffer_)) {}
  std::string_view operator*() const { return text_; }
  const std::string_view* operator->() const { return &text_; }

 private:
  core::LazyScratchText buffer_;
  std::string_view text_;
};

// Reads the next argument as an integer (strict syntax, empty is no
// number) and sets the success flag to whether it parsed.
inline bool integerArgument(Runtime& rt, std::int32_t& value) {
  rt.success = parseInteger(*ArgumentText(rt), value);
  return rt.success;
}

// Reads the next argument as a real and sets the success flag likewise.
inline bool realArgument(Runtime& rt, double& value) {
  rt.success = parseReal(*ArgumentText(rt), value);
  return rt.success;
}

inline void setYes(std::string& result, bool yes) {
  if (yes) {
    result.assign(1, '1');
  } else {
    result.clear();
  }
}

const os::LocaleSettings& localeSettings(const Runtime& rt);

// ASCII case folding, the only folding the language does.
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quillan::functions
