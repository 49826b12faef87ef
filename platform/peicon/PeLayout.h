#pragma once
// The parts of an executable's headers the icon reader needs: where each
// section's bytes sit in the file, and the address of the resource tree.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/peicon/ByteView.h"

namespace quillan::peicon {

// Maps addresses the image uses once loaded (relative to its base) to file
// offsets. Only the part of a section that is backed by file bytes can be
// mapped: the zero-filled tail a loader would add exists nowhere to read.
class SectionMap {
 public:
  struct Section {
    std::uint32_t rva = 0;
    std::uint32_t fileBacked = 0;  // bytes from rva that come from the file
    std::uint32_t fileOffset = 0;
  };

  explicit SectionMap(std::vector<Section> sections);

  // The file offset of [rva, rva + length) when one section holds all of
  // it. The offset may still lie past the end of a truncated file; the
  // caller's read checks that.
  std::optional<std::uint64_t> fileOffset(std::uint64_t rva, std::uint64_t length) const;

 private:
  std::vector<Section> sections_;  // ascending rva, for binary search
};

struct PeLayout {
  SectionMap sections;
  std::uint32_t resourceRva = 0;
};

// Nullopt when the bytes are not a 32- or 64-bit image, or the image
// declares no resources.
std::optional<PeLayout> readPeLayout(const ByteView& file);

}  // namespace quillan::peicon
