// Which function a name as written selects never changes, so each spelling
// is looked up once: a direct-mapped cache keyed by the raw name saves the
// upper-casing and the packed-string search on every call. One cache per
// runtime, so what one run has seen never answers for another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace quillan::core {

enum class Function : std::uint8_t;  // FunctionNames.h

class FunctionNameCache {
 public:
  Function find(std::string_view name) {
    if (name.size() > kMaxName) return lookUp(name);
    Slot& slot = slots_[slotOf(name)];
    if (slot.length == name.size() && std::memcmp(slot.name, name.data(), name.size()) == 0) return slot.function;
    const Function function = lookUp(name);
    slot.length = static_cast<std::uint8_t>(name.size());
    std::memcpy(slot.name, name.data(), name.size());
    slot.function = function;
    return function;
  }

 private:
  static constexpr std::size_t kSlots = 256;
  static constexpr std::size_t kMaxName = 15;
  struct Slot {
    std::uint8_t length = 0xFF;  // no entry
    char name[kMaxName];
    Function function;
  };

  // The length and three characters tell the names of a script apart
  // well enough; a collision only costs a lookup.
  static std::size_t slotOf(std::string_view name) {
    std::uint32_t hash = static_cast<std::uint32_t>(name.size());
    if (!name.empty()) {
      hash = hash * 31u + static_cast<unsigned char>(name.front());
      hash = hash * 31u + static_cast<unsigned char>(name[name.size() / 2]);
      hash = hash * 31u + static_cast<unsigned char>(name.back());
    }
    return (hash * 2654435761u) >> 24;  // the top 8 bits: one of the 256 slots
  }
  // Upper-cases the raw name and finds it in its group.
  static Function lookUp(std::string_view raw);

  Slot slots_[kSlots];
};

}  // namespace quillan::core
