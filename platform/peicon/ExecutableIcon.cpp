#include "platform/peicon/ExecutableIcon.h"

#include <cstdint>
#include <vector>

#include "platform/peicon/ByteView.h"
#include "platform/peicon/IconFile.h"
#include "platform/peicon/PeLayout.h"
#include "platform/peicon/ResourceTree.h"

namespace quillan::peicon {
namespace {

constexpr std::uint16_t kIconResource = 3;
constexpr std::uint16_t kIconGroupResource = 14;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint64_t kGroupHeaderSize = 6;
constexpr std::uint64_t kGroupEntrySize = 14;

// A group lists its images by resource id instead of by offset; each is
// looked up as its own resource, in the group's language when present.
// A group naming an image that is missing or is not an image comes from a
// damaged file, and we report no icon rather than guess which of its parts
// can still be trusted.
std::optional<std::string> iconFromResources(const ByteView& file, const PeLayout& layout) {
  const ResourceTree tree(file, layout.sections, layout.resourceRva);
  const std::optional<ResourceTree::Resource> group = tree.first(kIconGroupResource);
  if (!group) return std::nullopt;

  const ByteView dir(group->bytes);
  const std::optional<std::uint16_t> count = dir.u16(4);
  if (dir.u16(0) != 0 || dir.u16(2) != kIconType || !count || *count == 0) return std::nullopt;
  if (!dir.contains(kGroupHeaderSize, *count * kGroupEntrySize)) return std::nullopt;

  std::vector<IconImage> images;
  images.reserve(*count);
  for (std::uint64_t i = 0; i < *count; ++i) {
    const std::uint64_t at = kGroupHeaderSize + i * kGroupEntrySize;
    const std::optional<ResourceTree::Resource> icon = tree.find(kIconResource, *dir.u16(at + 12), group->language);
    if (!icon || !looksLikeIconImage(icon->bytes)) return std::nullopt;
    images.push_back({*dir.u8(at), *dir.u8(at + 1), *dir.u8(at + 2), *dir.u8(at + 3), *dir.u16(at + 4),
                      *dir.u16(at + 6), icon->bytes});
  }
  return writeIconFile(images);
}

}  // namespace

std::optional<std::string> firstIconAsIco(std::string_view fileBytes) noexcept {
  try {
    if (looksLikeIconFile(fileBytes)) return std::string(fileBytes);
    const ByteView file(fileBytes);
    const std::optional<PeLayout> layout = readPeLayout(file);
    if (!layout) return std::nullopt;
    return iconFromResources(file, *layout);
  } catch (...) {
    // Only allocation can throw here; running out of memory while reading
    // an icon is no reason to take the program down.
    return std::nullopt;
  }
}

}  // namespace quillan::peicon
