#include "editor/SectionSnapshot.h"

#include <limits>

#include "editor/BindingRules.h"
#include "platform/ini/ProfileFile.h"

namespace quillan::editor {

SectionSnapshot::SectionSnapshot(std::vector<Entry> entries) : entries_(std::move(entries)) {}

SectionSnapshot SectionSnapshot::read(ini::ProfileFile& file, std::string_view section) {
  // Values are read whole. A fixed-size read buffer would cut a long value,
  // and OK would then write the cut value back: data lost without a word.
  constexpr std::size_t kWholeValue = std::numeric_limits<std::size_t>::max();
  std::vector<Entry> entries;
  for (const std::string& key : file.keys(section)) {
    std::string value = file.getString(section, key, "", kWholeValue);
    if (!value.empty()) entries.emplace_back(key, std::move(value));
  }
  return SectionSnapshot(std::move(entries));
}

std::string SectionSnapshot::value(std::string_view key) const {
  for (const auto& [name, value] : entries_) {
    if (equalsIgnoringCase(name, key)) return value;
  }
  return {};
}

}  // namespace quillan::editor
