// The runtime's own settings and per-script data live under one key of the
// current user: "Software\Harrowby\Quillan\2.0\" and a subkey. A missing key
// or value is never an error: the caller's default comes back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/api/Registry.h"

namespace quillan::core {

inline constexpr std::string_view kSettingsKey = "Software\\Harrowby\\Quillan\\2.0\\";

// A string value as it stands, a 32-bit number as decimal text, or fallback.
std::string readSettingText(reg::Registry* registry, std::string_view subkey, std::string_view name,
                            std::string_view fallback);
// A 32-bit number value, or fallback.
std::int32_t readSettingNumber(reg::Registry* registry, std::string_view subkey, std::string_view name,
                               std::int32_t fallback);
// Writes a 32-bit number value, creating the subkey when it is missing.
// False when the store refused.
bool writeSettingNumber(reg::Registry* registry, std::string_view subkey, std::string_view name, std::int32_t value);

}  // namespace quillan::core
