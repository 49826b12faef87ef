// The naming rules every registry store keeps alike: how a key path splits
// into its parts, how names fold for comparison, and the limits of names and
// depth. The SQLite store and the in-memory fake both use these, so the two
// cannot come to disagree about which paths are valid.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/Registry.h"

namespace quillan::reg {

inline constexpr std::size_t kMaxKeyPart = 255;      // bytes in one part of a key path
inline constexpr std::size_t kMaxValueName = 16383;  // bytes in a value name
inline constexpr std::size_t kMaxDepth = 512;        // levels of keys below a root

// A name as it compares: ASCII letters folded to lower case, other bytes as
// they are.
inline std::string foldName(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The parts of a key path below a key that is `depth` levels deep: no
// leading "\", no empty or over-long part, trailing "\" ignored, and no
// deeper than kMaxDepth in all.
inline Status splitKeyPath(std::string_view path, std::size_t depth, std::vector<std::string_view>& parts) {
  if (!path.empty() && path.front() == '\\') return BadPathName;
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  while (!path.empty()) {
    const std::size_t cut = path.find('\\');
    const std::string_view part = path.substr(0, cut);
    if (part.empty() || part.size() > kMaxKeyPart) return BadPathName;
    parts.push_back(part);
    if (cut == std::string_view::npos) break;
    path.remove_prefix(cut + 1);
  }
  return depth + parts.size() > kMaxDepth ? BadPathName : Success;
}

}  // namespace quillan::reg
