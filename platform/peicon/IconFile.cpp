#include "platform/peicon/IconFile.h"

#include "platform/peicon/ByteView.h"

namespace quillan::peicon {
namespace {

constexpr std::uint64_t kDirectoryHeaderSize = 6;
constexpr std::uint64_t kDirectoryEntrySize = 16;
constexpr std::uint16_t kIconType = 1;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

// Header sizes of the bitmap info structures an icon image may begin with:
// the old core header, the common one, and its two later extensions.
constexpr std::uint32_t kBitmapHeaderSizes[] = {12, 40, 108, 124};

void putU8(std::string& out, std::uint8_t v) { out.push_back(static_cast<char>(v)); }

void putU16(std::string& out, std::uint16_t v) {
  putU8(out, static_cast<std::uint8_t>(v));
  putU8(out, static_cast<std::uint8_t>(v >> 8));
}

void putU32(std::string& out, std::uint32_t v) {
  putU16(out, static_cast<std::uint16_t>(v));
  putU16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

bool looksLikeIconImage(std::string_view bytes) {
  if (bytes.starts_with(kPngSignature)) return true;
  const std::optional<std::uint32_t> headerSize = ByteView(bytes).u32(0);
  if (!headerSize || *headerSize > bytes.size()) return false;
  for (std::uint32_t known : kBitmapHeaderSizes) {
    if (*headerSize == known) return true;
  }
  return false;
}

bool looksLikeIconFile(std::string_view bytes) {
  if (bytes.size() > kMaxIconFileBytes) return false;
  const ByteView file(bytes);
  const std::optional<std::uint16_t> count = file.u16(4);
  if (file.u16(0) != 0 || file.u16(2) != kIconType || !count || *count == 0) return false;
  const std::uint64_t imagesStart = kDirectoryHeaderSize + *count * kDirectoryEntrySize;
  if (!file.contains(0, imagesStart)) return false;
  for (std::uint64_t i = 0; i < *count; ++i) {
    const std::uint64_t at = kDirectoryHeaderSize + i * kDirectoryEntrySize;
    const std::uint32_t size = *file.u32(at + 8);
    const std::uint32_t offset = *file.u32(at + 12);
    if (size == 0 || offset < imagesStart) return false;
    const std::optional<std::string_view> image = file.slice(offset, size);
    if (!image || !looksLikeIconImage(*image)) return false;
  }
  return true;
}

std::optional<std::string> writeIconFile(const std::vector<IconImage>& images) {
  if (images.empty() || images.size() > 0xFFFF) return std::nullopt;
  const std::uint64_t directorySize = kDirectoryHeaderSize + images.size() * kDirectoryEntrySize;
  std::uint64_t total = directorySize;
  for (const IconImage& image : images) {
    total += image.bytes.size();
    if (total > kMaxIconFileBytes) return std::nullopt;
  }

  std::string out;
  out.reserve(static_cast<std::size_t>(total));
  putU16(out, 0);
  putU16(out, kIconType);
  putU16(out, static_cast<std::uint16_t>(images.size()));
  std::uint64_t offset = directorySize;
  for (const IconImage& image : images) {
    putU8(out, image.width);
    putU8(out, image.height);
    putU8(out, image.colorCount);
    putU8(out, image.reserved);
    putU16(out, image.planes);
    putU16(out, image.bitCount);
    // The size written is that of the bytes we copy, not what the file's
    // group claimed, so the directory always agrees with the images.
    putU32(out, static_cast<std::uint32_t>(image.bytes.size()));
    putU32(out, static_cast<std::uint32_t>(offset));
    offset += image.bytes.size();
  }
  for (const IconImage& image : images) out.append(image.bytes);
  return out;
}

}  // namespace quillan::peicon
