#include "platform/peicon/ResourceTree.h"

namespace quillan::peicon {
namespace {

constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kEntrySize = 8;
constexpr std::uint64_t kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000u;

}  // namespace

std::optional<ResourceTree::Directory> ResourceTree::directoryAt(std::uint64_t offsetFromRoot) const {
  const std::uint64_t rva = rootRva_ + offsetFromRoot;
  const std::optional<std::uint64_t> at = sections_.fileOffset(rva, kDirectoryHeaderSize);
  if (!at) return std::nullopt;
  const std::optional<std::uint16_t> named = file_.u16(*at + 12);
  const std::optional<std::uint16_t> numbered = file_.u16(*at + 14);
  if (!named || !numbered) return std::nullopt;
  const std::uint32_t total = std::uint32_t{*named} + *numbered;
  // The whole entry array must be readable, so an entry count can never
  // exceed what the file actually holds.
  const std::optional<std::uint64_t> entries = sections_.fileOffset(rva + kDirectoryHeaderSize, total * kEntrySize);
  if (!entries || !file_.contains(*entries, total * kEntrySize)) return std::nullopt;
  return Directory{*entries, *named, total};
}

std::optional<ResourceTree::Entry> ResourceTree::entry(const Directory& dir, std::uint32_t index) const {
  if (index >= dir.total) return std::nullopt;
  const std::uint64_t at = dir.entriesAt + index * kEntrySize;
  return Entry{*file_.u32(at), *file_.u32(at + 4)};
}

std::optional<ResourceTree::Entry> ResourceTree::findId(const Directory& dir, std::uint32_t id) const {
  // Numbered entries follow the named ones in ascending order. A file that
  // breaks the order may have an entry go unfound, which is how a loader
  // searching the same way would treat it too.
  std::uint32_t low = dir.named;
  std::uint32_t high = dir.total;
  while (low < high) {
    const std::uint32_t mid = low + (high - low) / 2;
    const Entry e = *entry(dir, mid);
    if (e.name == id) return e;
    if (e.name < id) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return std::nullopt;
}

std::optional<ResourceTree::Directory> ResourceTree::subdirectory(const std::optional<Entry>& e) const {
  if (!e || !(e->target & kHighBit)) return std::nullopt;
  return directoryAt(e->target & ~kHighBit);
}

std::optional<ResourceTree::Resource> ResourceTree::data(const std::optional<Entry>& e) const {
  if (!e || (e->target & kHighBit)) return std::nullopt;
  const std::optional<std::uint64_t> at = sections_.fileOffset(rootRva_ + std::uint64_t{e->target}, kDataEntrySize);
  if (!at) return std::nullopt;
  const std::optional<std::uint32_t> rva = file_.u32(*at);
  const std::optional<std::uint32_t> size = file_.u32(*at + 4);
  if (!rva || !size || *size == 0) return std::nullopt;
  const std::optional<std::uint64_t> bytesAt = sections_.fileOffset(*rva, *size);
  if (!bytesAt) return std::nullopt;
  const std::optional<std::string_view> bytes = file_.slice(*bytesAt, *size);
  if (!bytes) return std::nullopt;
  return Resource{*bytes, e->name};
}

std::optional<ResourceTree::Resource> ResourceTree::first(std::uint16_t type) const {
  const std::optional<Directory> root = directoryAt(0);
  if (!root) return std::nullopt;
  const std::optional<Directory> names = subdirectory(findId(*root, type));
  if (!names) return std::nullopt;
  const std::optional<Directory> languages = subdirectory(entry(*names, 0));
  if (!languages) return std::nullopt;
  return data(entry(*languages, 0));
}

std::optional<ResourceTree::Resource> ResourceTree::find(std::uint16_t type, std::uint16_t id,
                                                         std::uint32_t language) const {
  const std::optional<Directory> root = directoryAt(0);
  if (!root) return std::nullopt;
  const std::optional<Directory> names = subdirectory(findId(*root, type));
  if (!names) return std::nullopt;
  const std::optional<Directory> languages = subdirectory(findId(*names, id));
  if (!languages) return std::nullopt;
  std::optional<Entry> chosen = findId(*languages, language);
  if (!chosen) chosen = entry(*languages, 0);
  return data(chosen);
}

}  // namespace quillan::peicon
