// INI files held in memory, for the interpreter's tests: file name, then
// section, then key, as the interpreter passed them (names are not mapped
// to directories). Section and key names compare without regard to ASCII
// case, as in the engine. A write planned to fail in `faults` ("write")
// changes nothing and returns false.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "platform/api/IniFiles.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

class FakeIniFiles : public os::IniFiles {
 public:
  using Section = std::map<std::string, std::string>;  // folded key name -> value
  using File = std::map<std::string, Section>;         // folded section name -> keys
  std::map<std::string, File, std::less<>> files;
  FailOnCue faults;

  std::string read(std::string_view file, std::string_view section, std::string_view key, std::string_view defaultValue,
                   std::size_t bufferSize) override {
    std::string value(defaultValue);
    if (const std::string* found = find(file, section, key)) value = *found;
    if (bufferSize == 0) return {};
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
  }

  bool write(std::string_view file, std::string_view section, std::string_view key, std::string_view value) override {
    if (faults.next("write") != 0) return false;
    files[std::string(file)][fold(section)][fold(key)] = std::string(value);
    return true;
  }

  // The value of key, or null when the file, the section or the key is missing.
  const std::string* find(std::string_view file, std::string_view section, std::string_view key) const {
    const auto f = files.find(file);
    if (f == files.end()) return nullptr;
    const auto s = f->second.find(fold(section));
    if (s == f->second.end()) return nullptr;
    const auto k = s->second.find(fold(key));
    return k == s->second.end() ? nullptr : &k->second;
  }

  static std::string fold(std::string_view name) {
    std::string out(name);
    for (char& c : out)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
  }
};

}  // namespace quillan::fake
