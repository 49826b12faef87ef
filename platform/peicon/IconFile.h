#pragma once
// The standalone icon file format: a directory of images followed by the
// images themselves, each a device-independent bitmap or a PNG.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::peicon {

// Larger than any real icon by far; stops a file that names the same big
// image thousands of times from making us build a huge copy of it.
inline constexpr std::uint64_t kMaxIconFileBytes = 16u * 1024 * 1024;

struct IconImage {
  std::uint8_t width = 0;   // 0 means 256
  std::uint8_t height = 0;  // 0 means 256
  std::uint8_t colorCount = 0;
  std::uint8_t reserved = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::string_view bytes;
};

// Whether the bytes start like an image an icon may hold, so that a
// resource holding something else is not passed off as an icon.
bool looksLikeIconImage(std::string_view bytes);

// Whether the bytes are a complete icon file: a well-formed directory
// whose every image lies inside the bytes and looks like an icon image.
bool looksLikeIconFile(std::string_view bytes);

// Lays the images out as an icon file; nullopt when there are none or the
// result would exceed kMaxIconFileBytes.
std::optional<std::string> writeIconFile(const std::vector<IconImage>& images);

}  // namespace quillan::peicon
