// The attributes scripts know (read-only, hidden, system, archive) on a
// file system that has none of them. Read-only is the owner's write
// permission; hidden, system and archive live in the extended attribute
// user.DOSATTRIB, in the text form file servers for other systems keep
// there ("0x" and the attribute word in hexadecimal), so a file shared
// through such a server shows the same attributes on both sides. A name
// that starts with "." is hidden as well.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::posix {

inline constexpr const char* kDosAttributeName = "user.DOSATTRIB";

// The attribute word at the start of a stored value: "0x" and hexadecimal
// digits, up to the first byte that is no digit (servers that keep more
// put a NUL and binary fields after it). Nullopt when the value does not
// start that way.
std::optional<std::uint32_t> parseDosAttributeValue(std::string_view value);

// The value stored for an attribute word: "0x" and lower-case hex digits.
std::string formatDosAttributeValue(std::uint32_t word);

// The script-visible attribute bits (os::FileAttribute) of a file with
// this mode, stored word (0 when none) and name.
std::uint8_t attributesOf(mode_t mode, std::uint32_t storedWord, std::string_view name);

// The mode after read-only is set (every write bit cleared) or cleared
// (the owner's write bit given back).
mode_t modeWithReadOnly(mode_t mode, bool readOnly);

// The bits of the word this module reads and writes (hidden, system,
// archive); the rest of a stored word is kept as it was.
inline constexpr std::uint32_t kStoredBits = 2 | 4 | 32;

}  // namespace quillan::posix
