#include "runtime/core/Keywords.h"

#include <algorithm>
#include <string>

namespace quillan::core {

int keywordAt(std::string_view packed, std::span<const int> starts, std::string_view word) {
  const int at = packedPosition(packed, word);
  return std::find(starts.begin(), starts.end(), at) != starts.end() ? at : 0;
}

void upperAsciiInPlace(std::string& text) {
  for (char& c : text) c = upperAscii(c);
}

}  // namespace quillan::core
