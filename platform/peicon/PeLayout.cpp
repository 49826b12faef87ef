#include "platform/peicon/PeLayout.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quillan::peicon {
namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint64_t kFileHeaderSize = 20;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kDataDirectorySize = 8;
constexpr std::uint32_t kResourceDirectoryIndex = 2;

// The two optional header layouts differ only in how far the directory
// count and the directories sit from the start (64-bit address fields).
struct OptionalHeaderShape {
  std::uint16_t magic;
  std::uint64_t directoryCountAt;
  std::uint64_t directoriesAt;
};
constexpr OptionalHeaderShape kShapes[] = {
    {0x10B, 92, 96},    // 32-bit image
    {0x20B, 108, 112},  // 64-bit image
};

}  // namespace

SectionMap::SectionMap(std::vector<Section> sections) : sections_(std::move(sections)) {
  std::stable_sort(sections_.begin(), sections_.end(),
                   [](const Section& a, const Section& b) { return a.rva < b.rva; });
}

std::optional<std::uint64_t> SectionMap::fileOffset(std::uint64_t rva, std::uint64_t length) const {
  // Sections are laid out in ascending, non-overlapping order, so the only
  // candidate is the last one starting at or before rva. A file whose
  // sections overlap gets a consistent answer, never an unchecked one; a
  // search keeps lookups cheap however many sections a file claims.
  auto after = std::upper_bound(sections_.begin(), sections_.end(), rva,
                                [](std::uint64_t value, const Section& s) { return value < s.rva; });
  if (after == sections_.begin()) return std::nullopt;
  const Section& s = *std::prev(after);
  const std::uint64_t into = rva - s.rva;
  if (into > s.fileBacked || length > s.fileBacked - into) return std::nullopt;
  return static_cast<std::uint64_t>(s.fileOffset) + into;
}

std::optional<PeLayout> readPeLayout(const ByteView& file) {
  if (file.u16(0) != kDosMagic) return std::nullopt;
  const std::optional<std::uint32_t> peAt = file.u32(kNewHeaderPointer);
  if (!peAt || file.u32(*peAt) != kPeSignature) return std::nullopt;

  const std::uint64_t fileHeader = static_cast<std::uint64_t>(*peAt) + 4;
  const std::optional<std::uint16_t> sectionCount = file.u16(fileHeader + 2);
  const std::optional<std::uint16_t> optionalSize = file.u16(fileHeader + 16);
  if (!sectionCount || !optionalSize) return std::nullopt;

  const std::uint64_t optional = fileHeader + kFileHeaderSize;
  const std::optional<std::uint16_t> magic = file.u16(optional);
  const OptionalHeaderShape* shape = nullptr;
  for (const OptionalHeaderShape& candidate : kShapes) {
    if (magic == candidate.magic) shape = &candidate;
  }
  if (!shape) return std::nullopt;

  // The resource directory counts only if the header is long enough to
  // hold it and says it has that many directories.
  const std::uint64_t resourceEntry = shape->directoriesAt + kResourceDirectoryIndex * kDataDirectorySize;
  if (resourceEntry + kDataDirectorySize > *optionalSize) return std::nullopt;
  const std::optional<std::uint32_t> directoryCount = file.u32(optional + shape->directoryCountAt);
  if (!directoryCount || *directoryCount <= kResourceDirectoryIndex) return std::nullopt;
  const std::optional<std::uint32_t> resourceRva = file.u32(optional + resourceEntry);
  const std::optional<std::uint32_t> resourceSize = file.u32(optional + resourceEntry + 4);
  if (!resourceRva || !resourceSize || *resourceRva == 0 || *resourceSize == 0) return std::nullopt;

  const std::uint64_t table = optional + *optionalSize;
  if (!file.contains(table, *sectionCount * kSectionHeaderSize)) return std::nullopt;
  std::vector<SectionMap::Section> sections;
  sections.reserve(*sectionCount);
  for (std::uint64_t i = 0; i < *sectionCount; ++i) {
    const std::uint64_t at = table + i * kSectionHeaderSize;
    const std::uint32_t virtualSize = *file.u32(at + 8);
    const std::uint32_t rva = *file.u32(at + 12);
    const std::uint32_t rawSize = *file.u32(at + 16);
    const std::uint32_t rawOffset = *file.u32(at + 20);
    // Raw size is rounded up to the file alignment, so the padding past the
    // virtual size is not part of the section. Some linkers leave the
    // virtual size zero; then the raw size is all there is to go on.
    const std::uint32_t backed = virtualSize == 0 ? rawSize : std::min(virtualSize, rawSize);
    if (backed != 0) sections.push_back({rva, backed, rawOffset});
  }
  return PeLayout{SectionMap(std::move(sections)), *resourceRva};
}

}  // namespace quillan::peicon
