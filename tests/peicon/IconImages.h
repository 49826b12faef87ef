#pragma once
// Icon images and icon groups for the tests, and a reader for the icon
// files the library produces so tests can check them field by field.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillan::peicon::testing {

// A square 32-bit bitmap icon image of one colour (0xAARRGGBB).
std::string dibImage(int size, std::uint32_t argb);
// A square RGBA PNG of one colour, deflated with stored blocks.
std::string pngImage(int size, std::uint32_t argb);

struct GroupEntry {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::uint16_t bitCount = 32;
  std::uint32_t bytes = 0;  // the size the group claims for the image
  std::uint16_t id = 0;
};
// The group resource listing `entries`; `type` 1 is an icon group.
std::string iconGroup(const std::vector<GroupEntry>& entries, std::uint16_t type = 1);

struct IcoEntry {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
  std::string image;
};
// The entries of an icon file, or nullopt if its directory is malformed.
std::optional<std::vector<IcoEntry>> readIco(const std::string& ico);

}  // namespace quillan::peicon::testing
