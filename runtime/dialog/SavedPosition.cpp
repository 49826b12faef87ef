#include "runtime/dialog/SavedPosition.h"

#include "runtime/core/Settings.h"

namespace quillan::dialog {

std::string savedPositionKey(std::string_view scriptPath) {
  const std::size_t slash = scriptPath.find_last_of("\\/");
  const std::string_view file = slash == std::string_view::npos ? scriptPath : scriptPath.substr(slash + 1);
  const std::size_t dot = file.find('.');
  if (dot == std::string_view::npos) return {};
  return "UserScripts\\" + std::string(file.substr(0, dot));
}

void restorePosition(reg::Registry* registry, std::string_view subkey, WindowPlace& place, int screenWidth,
                     int screenHeight, bool includeSize) {
  const std::int32_t top = core::readSettingNumber(registry, subkey, "Top", 9999);
  if (top >= screenHeight) return;
  // The state is kept in a byte; a value this program never writes counts
  // as the normal state.
  const auto saved = static_cast<std::uint8_t>(core::readSettingNumber(registry, subkey, "State", 0));
  const WindowState state = saved == 2 ? WindowState::Maximised : WindowState::Normal;
  if (saved != 1) place.state = state;
  if (state == WindowState::Maximised) return;
  place.top = top;
  const std::int32_t left = core::readSettingNumber(registry, subkey, "Left", 0);
  if (left < screenWidth) place.left = left;
  if (includeSize) {
    const std::int32_t width = core::readSettingNumber(registry, subkey, "Width", 0);
    const std::int32_t height = core::readSettingNumber(registry, subkey, "Height", 0);
    if (width > 100) place.width = width;
    if (height > 100) place.height = height;
  }
}

void savePosition(reg::Registry* registry, std::string_view subkey, const WindowPlace& place, bool includeSize) {
  core::writeSettingNumber(registry, subkey, "State", static_cast<std::int32_t>(place.state));
  if (place.state != WindowState::Normal) return;
  core::writeSettingNumber(registry, subkey, "Top", place.top);
  core::writeSettingNumber(registry, subkey, "Left", place.left);
  if (includeSize) {
    core::writeSettingNumber(registry, subkey, "Width", place.width);
    core::writeSettingNumber(registry, subkey, "Height", place.height);
  }
}

}  // namespace quillan::dialog
