#include "runtime/core/Settings.h"

#include <array>
#include <cstring>

namespace quillan::core {
namespace {

std::string keyPath(std::string_view subkey) { return std::string(kSettingsKey) + std::string(subkey); }

// Closes the key on every path out of a settings routine.
struct OpenKey {
  reg::Registry* registry;
  reg::Handle handle = 0;
  bool open = false;
  ~OpenKey() {
    if (open) registry->closeKey(handle);
  }
};

}  // namespace

std::string readSettingText(reg::Registry* registry, std::string_view subkey, std::string_view name,
                            std::string_view fallback) {
  if (registry == nullptr) return std::string(fallback);
  OpenKey key{registry};
  key.open = registry->openKey(reg::CurrentUser, keyPath(subkey), key.handle) == reg::Success;
  if (!key.open) return std::string(fallback);
  std::array<std::uint8_t, 256> buffer{};
  std::uint32_t type = 0;
  std::uint32_t size = buffer.size();
  if (registry->queryValue(key.handle, name, &type, buffer.data(), &size) != reg::Success) return std::string(fallback);
  if (type == reg::Sz) {
    const char* text = reinterpret_cast<const char*>(buffer.data());
    return std::string(text, strnlen(text, size));
  }
  if (type == reg::Dword && size == 4) {
    std::int32_t number = 0;
    std::memcpy(&number, buffer.data(), 4);
    return std::to_string(number);
  }
  return std::string(fallback);
}

std::int32_t readSettingNumber(reg::Registry* registry, std::string_view subkey, std::string_view name,
                               std::int32_t fallback) {
  if (registry == nullptr) return fallback;
  OpenKey key{registry};
  key.open = registry->openKey(reg::CurrentUser, keyPath(subkey), key.handle) == reg::Success;
  if (!key.open) return fallback;
  std::uint8_t buffer[4];
  std::uint32_t type = 0;
  std::uint32_t size = sizeof buffer;
  if (registry->queryValue(key.handle, name, &type, buffer, &size) != reg::Success) return fallback;
  if (type != reg::Dword || size != 4) return fallback;
  std::int32_t number = 0;
  std::memcpy(&number, buffer, 4);
  return number;
}

bool writeSettingNumber(reg::Registry* registry, std::string_view subkey, std::string_view name, std::int32_t value) {
  if (registry == nullptr) return false;
  OpenKey key{registry};
  key.open = registry->createKey(reg::CurrentUser, keyPath(subkey), key.handle) == reg::Success;
  if (!key.open) return false;
  std::uint8_t bytes[4];
  std::memcpy(bytes, &value, 4);
  return registry->setValue(key.handle, name, reg::Dword, bytes, 4) == reg::Success;
}

}  // namespace quillan::core
