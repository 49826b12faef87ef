#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {

const os::LocaleSettings& localeSettings(const Runtime& rt) {
  static const os::LocaleSettings fallback;
  return rt.os.locale != nullptr ? rt.os.locale->settings() : fallback;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

}  // namespace quillan::functions
