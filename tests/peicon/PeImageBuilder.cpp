#include "tests/peicon/PeImageBuilder.h"

#include <type_traits>
#include <utility>

namespace quillan::peicon::testing {
namespace {

constexpr std::size_t kPeAt = 0x40;
constexpr std::size_t kFileAlign = 0x200;
constexpr std::uint32_t kTextRva = 0x1000;
constexpr std::uint32_t kResourceRva = 0x2000;
constexpr std::uint32_t kDirectoryBit = 0x80000000u;

std::size_t alignUp(std::size_t n, std::size_t a) { return (n + a - 1) / a * a; }

std::string keyText(const Key& k) { return k.name.empty() ? std::to_string(k.id) : k.name; }

using Languages = std::map<std::uint16_t, std::size_t>;  // language -> resource index
using Names = std::map<Key, Languages>;
using Types = std::map<Key, Names>;

struct SectionWriter {
  std::string s;
  std::vector<std::pair<std::size_t, Key>> namedEntries;  // patched once strings are placed

  template <class Map>
  std::size_t directory(const Map& entries) {
    const std::size_t at = s.size();
    s.append(16 + 8 * entries.size(), '\0');
    std::uint16_t named = 0;
    std::size_t i = 0;
    for (const auto& [key, unused] : entries) {
      const std::size_t entry = at + 16 + 8 * i++;
      if constexpr (std::is_same_v<typename Map::key_type, Key>) {
        if (!key.name.empty()) {
          ++named;
          namedEntries.emplace_back(entry, key);
          continue;
        }
        put32(s, entry, key.id);
      } else {
        put32(s, entry, key);
      }
    }
    put16(s, at + 12, named);
    put16(s, at + 14, static_cast<std::uint16_t>(entries.size() - named));
    return at;
  }
};

}  // namespace

void put16(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  put16(bytes, at, static_cast<std::uint16_t>(value));
  put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

BuiltImage buildImage(const std::vector<Resource>& resources, const ImageOptions& options) {
  Types tree;
  for (std::size_t i = 0; i < resources.size(); ++i) {
    tree[resources[i].type][resources[i].name][resources[i].language] = i;
  }

  // Breadth first, as linkers lay it out: directories, then data entries,
  // then name strings, then the data itself.
  BuiltImage image;
  SectionWriter w;
  std::map<std::string, std::size_t> dirs;
  std::vector<std::pair<std::size_t, std::size_t>> leaves;  // entry, resource
  dirs[""] = w.directory(tree);
  std::size_t t = 0;
  for (const auto& [type, names] : tree) {
    const std::string typePath = keyText(type);
    dirs[typePath] = w.directory(names);
    put32(w.s, dirs[""] + 20 + 8 * t++, kDirectoryBit | static_cast<std::uint32_t>(dirs[typePath]));
  }
  for (const auto& [type, names] : tree) {
    const std::string typePath = keyText(type);
    std::size_t n = 0;
    for (const auto& [name, languages] : names) {
      const std::string namePath = typePath + "/" + keyText(name);
      dirs[namePath] = w.directory(languages);
      put32(w.s, dirs[typePath] + 20 + 8 * n++, kDirectoryBit | static_cast<std::uint32_t>(dirs[namePath]));
      std::size_t l = 0;
      for (const auto& [language, index] : languages) leaves.emplace_back(dirs[namePath] + 16 + 8 * l++, index);
    }
  }
  std::vector<std::size_t> dataEntries(resources.size());
  for (const auto& [entry, index] : leaves) {
    dataEntries[index] = w.s.size();
    put32(w.s, entry + 4, static_cast<std::uint32_t>(w.s.size()));
    w.s.append(16, '\0');
  }
  for (const auto& [entry, key] : w.namedEntries) {
    w.s.resize(alignUp(w.s.size(), 2));
    put32(w.s, entry, kDirectoryBit | static_cast<std::uint32_t>(w.s.size()));
    w.s.append(2, '\0');
    put16(w.s, w.s.size() - 2, static_cast<std::uint16_t>(key.name.size()));
    for (char c : key.name) w.s.append({c, '\0'});
  }
  std::vector<std::size_t> data(resources.size());
  for (std::size_t i = 0; i < resources.size(); ++i) {
    w.s.resize(alignUp(w.s.size(), 8));
    data[i] = w.s.size();
    put32(w.s, dataEntries[i], kResourceRva + static_cast<std::uint32_t>(data[i]));
    put32(w.s, dataEntries[i] + 4, static_cast<std::uint32_t>(resources[i].data.size()));
    w.s += resources[i].data;
  }

  // Headers: DOS stub, file header, optional header with all sixteen data
  // directories, then .text (code, never read) and .rsrc.
  const std::size_t optionalSize = options.pe64 ? 240 : 224;
  const std::size_t rsrcFileAt = 2 * kFileAlign;
  std::string& b = image.bytes;
  b.assign(rsrcFileAt + alignUp(w.s.size(), kFileAlign), '\0');
  b.replace(0, 2, "MZ");
  put32(b, 0x3C, kPeAt);
  b.replace(kPeAt, 4, std::string("PE\0\0", 4));
  put16(b, kPeAt + 4, options.pe64 ? 0x8664 : 0x14C);
  put16(b, kPeAt + 6, 2);
  put16(b, kPeAt + 20, static_cast<std::uint16_t>(optionalSize));
  image.optionalHeaderAt = kPeAt + 24;
  put16(b, image.optionalHeaderAt, options.pe64 ? 0x20B : 0x10B);
  const std::size_t directories = image.optionalHeaderAt + (options.pe64 ? 112 : 96);
  image.dataDirectoriesAt = directories;
  put32(b, directories - 4, 16);
  put32(b, directories + 16, kResourceRva);
  put32(b, directories + 20, static_cast<std::uint32_t>(w.s.size()));

  const std::size_t table = image.optionalHeaderAt + optionalSize;
  const std::size_t textAt = table + (options.resourceSectionFirst ? 40 : 0);
  image.resourceSectionHeaderAt = table + (options.resourceSectionFirst ? 0 : 40);
  b.replace(textAt, 5, ".text");
  put32(b, textAt + 8, kFileAlign);
  put32(b, textAt + 12, kTextRva);
  put32(b, textAt + 16, kFileAlign);
  put32(b, textAt + 20, kFileAlign);
  const std::size_t r = image.resourceSectionHeaderAt;
  b.replace(r, 5, ".rsrc");
  put32(b, r + 8, static_cast<std::uint32_t>(w.s.size()));
  put32(b, r + 12, kResourceRva);
  put32(b, r + 16, static_cast<std::uint32_t>(alignUp(w.s.size(), kFileAlign)));
  put32(b, r + 20, static_cast<std::uint32_t>(rsrcFileAt));
  b.replace(rsrcFileAt, w.s.size(), w.s);
  b += options.trailer;

  image.resourceAt = rsrcFileAt;
  image.dataEnd = rsrcFileAt + w.s.size();
  for (const auto& [path, at] : dirs) image.directoryAt[path] = rsrcFileAt + at;
  for (std::size_t at : dataEntries) image.dataEntryAt.push_back(rsrcFileAt + at);
  for (std::size_t at : data) image.dataAt.push_back(rsrcFileAt + at);
  return image;
}

}  // namespace quillan::peicon::testing
