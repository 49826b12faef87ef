#pragma once
// Lookups in an executable's resource tree. The tree always has three
// levels (type, name, language) and each lookup walks exactly that path,
// so a file whose offsets point back at a parent cannot make it loop: at
// worst the third level finds another directory where data must be, and
// the lookup fails.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/peicon/ByteView.h"
#include "platform/peicon/PeLayout.h"

namespace quillan::peicon {

class ResourceTree {
 public:
  struct Resource {
    std::string_view bytes;
    std::uint32_t language = 0;
  };

  ResourceTree(const ByteView& file, const SectionMap& sections, std::uint32_t rootRva)
      : file_(file), sections_(sections), rootRva_(rootRva) {}

  // The first resource of a type in the order the file stores them:
  // named resources first, then numbered ones ascending; its first language.
  std::optional<Resource> first(std::uint16_t type) const;

  // The resource with a numeric name, in `language` when the file has it,
  // otherwise in the first language it stores.
  std::optional<Resource> find(std::uint16_t type, std::uint16_t id, std::uint32_t language) const;

 private:
  struct Directory {
    std::uint64_t entriesAt = 0;  // file offset of the entry array
    std::uint32_t named = 0;
    std::uint32_t total = 0;
  };
  struct Entry {
    std::uint32_t name = 0;
    std::uint32_t target = 0;
  };

  std::optional<Directory> directoryAt(std::uint64_t offsetFromRoot) const;
  std::optional<Entry> entry(const Directory& dir, std::uint32_t index) const;
  std::optional<Entry> findId(const Directory& dir, std::uint32_t id) const;
  std::optional<Directory> subdirectory(const std::optional<Entry>& e) const;
  std::optional<Resource> data(const std::optional<Entry>& e) const;

  const ByteView& file_;
  const SectionMap& sections_;
  std::uint32_t rootRva_;
};

}  // namespace quillan::peicon
