#pragma once
// Lays out small executables with a resource section for the tests, and
// records where each structure landed so a test can damage it on purpose.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillan::peicon::testing {

constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kGroupType = 14;
constexpr std::uint16_t kEnglish = 0x409;

// A resource type or name: a number, or a string when `name` is set.
struct Key {
  std::uint32_t id = 0;
  std::string name;  // ASCII, stored as UTF-16
  // Named entries sort before numbered ones, as the format stores them.
  bool operator<(const Key& o) const {
    if (name.empty() != o.name.empty()) return !name.empty();
    return name.empty() ? id < o.id : name < o.name;
  }
};

struct Resource {
  Key type;
  Key name;
  std::uint16_t language = kEnglish;
  std::string data;
};

struct ImageOptions {
  bool pe64 = false;
  bool resourceSectionFirst = false;  // list .rsrc before .text in the table
  std::string trailer;                // bytes after the last section
};

struct BuiltImage {
  std::string bytes;
  std::size_t optionalHeaderAt = 0;
  std::size_t dataDirectoriesAt = 0;  // the count of them sits just before
  std::size_t resourceSectionHeaderAt = 0;
  std::size_t resourceAt = 0;  // file offset of the resource section's bytes
  std::size_t dataEnd = 0;     // one past the last byte a reader needs
  // File offset of each directory: "" is the root, "14" a type's names,
  // "14/1" one name's languages (string names appear as themselves).
  std::map<std::string, std::size_t> directoryAt;
  std::vector<std::size_t> dataEntryAt;  // per Resource, in input order
  std::vector<std::size_t> dataAt;

  std::size_t entryAt(const std::string& directory, std::size_t index) const {
    return directoryAt.at(directory) + 16 + 8 * index;
  }
  // A directory's offset as the tree's own entries express it.
  std::uint32_t treeOffset(const std::string& directory) const {
    return static_cast<std::uint32_t>(directoryAt.at(directory) - resourceAt);
  }
};

BuiltImage buildImage(const std::vector<Resource>& resources, const ImageOptions& options = {});

void put16(std::string& bytes, std::size_t at, std::uint16_t value);
void put32(std::string& bytes, std::size_t at, std::uint32_t value);

}  // namespace quillan::peicon::testing
