// The keys of one section as they were when a form was shown. Reset goes back
// to it and OK writes the carried keys from it, so the file is read once per
// show, not per button.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillan::ini {
class ProfileFile;
}

namespace quillan::editor {

class SectionSnapshot {
 public:
  using Entry = std::pair<std::string, std::string>;

  SectionSnapshot() = default;
  explicit SectionSnapshot(std::vector<Entry> entries);

  // Reads every key of the section with a non-empty value; a key with an
  // empty value counts as absent. A missing section gives an empty snapshot.
  static SectionSnapshot read(ini::ProfileFile& file, std::string_view section);

  // The first entry of that name, compared without regard to case; empty
  // when absent.
  std::string value(std::string_view key) const;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace quillan::editor
