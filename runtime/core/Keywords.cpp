#include "runtime/core/Keywords.h"

#include <string>

namespace quillan::core {

void upperAsciiInPlace(std::string& text) {
  for (char& c : text) c = upperAscii(c);
}

}  // namespace quillan::core
