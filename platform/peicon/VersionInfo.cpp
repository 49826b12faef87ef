#include "platform/peicon/VersionInfo.h"

#include <cstdint>
#include <optional>

#include "platform/peicon/ByteView.h"
#include "platform/peicon/PeLayout.h"
#include "platform/peicon/ResourceTree.h"

namespace quillan::peicon {
namespace {

constexpr std::uint16_t kVersionResource = 16;
constexpr std::uint16_t kNeVersionType = 0x8000 | kVersionResource;
constexpr std::uint64_t kHeaderPointer = 60;
constexpr std::uint64_t kShortestExecutable = 63;

std::uint64_t align4(std::uint64_t offset) { return (offset + 3) & ~std::uint64_t{3}; }

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | code >> 18));
    out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// One node of the version tree: length, value length, (32-bit only) a
// type, a NUL-terminated key, then its value and its children, each on a
// four-byte boundary. Every bound is clipped to the parent's end.
struct Block {
  std::string key;
  std::uint64_t valueAt = 0;
  std::uint64_t childrenAt = 0;
  std::uint64_t end = 0;
};

class VersionTree {
 public:
  VersionTree(std::string_view bytes, bool wide) : data_(bytes), wide_(wide) {}

  std::optional<Block> blockAt(std::uint64_t at, std::uint64_t limit) const {
    const std::optional<std::uint16_t> length = data_.u16(at);
    const std::optional<std::uint16_t> valueLength = data_.u16(at + 2);
    if (!length || !valueLength) return std::nullopt;
    Block block;
    block.end = std::min(at + *length, limit);
    std::uint64_t p = at + (wide_ ? 6 : 4);
    if (p > block.end) return std::nullopt;
    if (wide_) {
      const std::uint16_t type = data_.u16(at + 4).value_or(0);
      block.key = wideText(p, block.end, p);
      block.valueAt = align4(p);
      const std::uint64_t valueBytes = type == 1 ? std::uint64_t{*valueLength} * 2 : *valueLength;
      block.childrenAt = align4(block.valueAt + valueBytes);
    } else {
      block.key = narrowText(p, block.end, p);
      block.valueAt = align4(p);
      block.childrenAt = align4(block.valueAt + *valueLength);
    }
    return block;
  }

  // The child whose key equals key, ignoring the case of ASCII letters.
  std::optional<Block> child(const Block& parent, std::string_view key) const {
    for (std::uint64_t at = parent.childrenAt; at + 4 <= parent.end;) {
      const std::uint16_t length = data_.u16(at).value_or(0);
      if (length == 0) return std::nullopt;
      const std::optional<Block> block = blockAt(at, parent.end);
      if (!block) return std::nullopt;
      if (sameKey(block->key, key)) return block;
      at = align4(at + length);
    }
    return std::nullopt;
  }

  std::string text(const Block& block) const {
    std::uint64_t unused = 0;
    return wide_ ? wideText(block.valueAt, block.end, unused) : narrowText(block.valueAt, block.end, unused);
  }

  std::optional<std::uint32_t> firstWord(const Block& block) const {
    if (block.valueAt + 4 > block.end) return std::nullopt;
    return data_.u32(block.valueAt);
  }

 private:
  static bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
      if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
  }

  // UTF-16 text from at up to a NUL or end; after is left behind the NUL.
  std::string wideText(std::uint64_t at, std::uint64_t end, std::uint64_t& after) const {
    std::string out;
    after = end;
    for (std::uint64_t p = at; p + 2 <= end;) {
      const std::uint16_t unit = *data_.u16(p);
      p += 2;
      if (unit == 0) {
        after = p;
        break;
      }
      std::uint32_t code = unit;
      if (unit >= 0xD800 && unit < 0xDC00 && p + 2 <= end) {
        const std::uint16_t low = *data_.u16(p);
        if (low >= 0xDC00 && low < 0xE000) {
          code = 0x10000 + ((unit - 0xD800u) << 10) + (low - 0xDC00u);
          p += 2;
        }
      }
      if (code >= 0xD800 && code < 0xE000) code = 0xFFFD;  // an unpaired half
      appendUtf8(out, code);
    }
    return out;
  }

  std::string narrowText(std::uint64_t at, std::uint64_t end, std::uint64_t& after) const {
    std::string out;
    after = end;
    for (std::uint64_t p = at; p < end; ++p) {
      const std::uint8_t c = *data_.u8(p);
      if (c == 0) {
        after = p + 1;
        break;
      }
      out.push_back(static_cast<char>(c));
    }
    return out;
  }

  ByteView data_;
  bool wide_;
};

void readStrings(std::string_view resource, bool wide, VersionInfo& info) {
  const VersionTree tree(resource, wide);
  const std::optional<Block> root = tree.blockAt(0, resource.size());
  if (!root) return;
  const std::optional<Block> vars = tree.child(*root, "VarFileInfo");
  const std::optional<Block> translation = vars ? tree.child(*vars, "Translation") : std::nullopt;
  const std::optional<std::uint32_t> pair = translation ? tree.firstWord(*translation) : std::nullopt;
  if (!pair) return;
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string tableKey;
  for (const std::uint32_t half : {*pair & 0xFFFF, *pair >> 16})
    for (int shift = 12; shift >= 0; shift -= 4) tableKey.push_back(kHex[half >> shift & 15]);
  const std::optional<Block> strings = tree.child(*root, "StringFileInfo");
  const std::optional<Block> table = strings ? tree.child(*strings, tableKey) : std::nullopt;
  if (!table) return;
  const struct {
    std::string_view key;
    std::string VersionInfo::*field;
  } kFields[] = {
      {"CompanyName", &VersionInfo::companyName},         {"OriginalFilename", &VersionInfo::originalFilename},
      {"FileVersion", &VersionInfo::fileVersion},         {"ProductName", &VersionInfo::productName},
      {"FileDescription", &VersionInfo::fileDescription}, {"ProductVersion", &VersionInfo::productVersion},
      {"LegalCopyright", &VersionInfo::legalCopyright}};
  for (const auto& field : kFields)
    if (const std::optional<Block> value = tree.child(*table, field.key)) info.*field.field = tree.text(*value);
}

std::optional<std::string_view> peVersionResource(const ByteView& file) {
  const std::optional<PeLayout> layout = readPeLayout(file);
  if (!layout) return std::nullopt;
  const ResourceTree tree(file, layout->sections, layout->resourceRva);
  const std::optional<ResourceTree::Resource> resource = tree.first(kVersionResource);
  if (!resource) return std::nullopt;
  return resource->bytes;
}

// The 16-bit format keeps a table of resource types, each followed by its
// resources; offsets and lengths are in units of 2^shift bytes.
std::optional<std::string_view> neVersionResource(const ByteView& file, std::uint64_t header) {
  const std::optional<std::uint16_t> tableOffset = file.u16(header + 0x24);
  if (!tableOffset) return std::nullopt;
  std::uint64_t at = header + *tableOffset;
  const std::optional<std::uint16_t> shift = file.u16(at);
  if (!shift || *shift > 24) return std::nullopt;
  at += 2;
  for (;;) {
    const std::optional<std::uint16_t> type = file.u16(at);
    const std::optional<std::uint16_t> count = file.u16(at + 2);
    if (!type || *type == 0 || !count) return std::nullopt;
    at += 8;
    if (*type == kNeVersionType && *count > 0) {
      const std::optional<std::uint16_t> offset = file.u16(at);
      const std::optional<std::uint16_t> length = file.u16(at + 2);
      if (!offset || !length) return std::nullopt;
      return file.slice(std::uint64_t{*offset} << *shift, std::uint64_t{*length} << *shift);
    }
    at += std::uint64_t{*count} * 12;
  }
}

}  // namespace

VersionInfo readVersionInfo(std::string_view fileBytes) noexcept {
  VersionInfo info;
  try {
    const ByteView file(fileBytes);
    const std::optional<std::uint32_t> header = file.u32(kHeaderPointer);
    const std::optional<std::uint8_t> first = header ? file.u8(*header) : std::nullopt;
    const std::optional<std::uint8_t> second = header ? file.u8(std::uint64_t{*header} + 1) : std::nullopt;
    if (file.size() < kShortestExecutable || !first || !second) {
      info.type = "??";
      return info;
    }
    if (*first == 'P') {
      info.type = "PE";
      if (const std::optional<std::string_view> resource = peVersionResource(file)) readStrings(*resource, true, info);
    } else if (*first == 'N') {
      info.type = "NE";
      if (const std::optional<std::string_view> resource = neVersionResource(file, *header))
        readStrings(*resource, false, info);
    } else {
      info.type = "!!";
    }
  } catch (...) {
    // Only allocation can throw; the strings read so far are kept.
  }
  return info;
}

}  // namespace quillan::peicon
