// Reading and writing single keys of INI files. File names are script
// bytes in which "\" and "/" both separate parts; a bare name (no directory
// at all) stands for a file in the per-user Quillan directory, the place a
// Windows program would have put it in the Windows directory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillan::os {

class IniFiles {
 public:
  virtual ~IniFiles() = default;

  // The value of key in section, or defaultValue when the file, the section
  // or the key is missing; cut to bufferSize - 1 bytes, as a caller's fixed
  // buffer would cut it. Section and key names compare without regard to
  // ASCII case.
  virtual std::string read(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize) = 0;

  // Sets key in section to value, creating the file and the section when
  // they are missing; an empty value keeps the key with nothing after "=".
  // Every other byte of the file stays as it was. False when the file could
  // not be written (it is then unchanged).
  virtual bool write(std::string_view file, std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace quillan::os
