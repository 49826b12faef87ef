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

  static std::size_t slotOf(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash % kSlots;
  }
  // Upper-cases the raw name and finds it in its group.
  static Function lookUp(std::string_view raw);

  Slot slots_[kSlots];
};

}  // namespace quillan::core
