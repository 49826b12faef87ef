#include "platform/posix/DosAttributes.h"

#include <sys/stat.h>

#include "platform/api/FileOperations.h"

namespace quillan::posix {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::uint32_t> parseDosAttributeValue(std::string_view value) {
  if (value.size() < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return std::nullopt;
  std::uint32_t word = 0;
  std::size_t digits = 0;
  for (std::size_t i = 2; i < value.size() && hexDigit(value[i]) >= 0; ++i, ++digits) {
    if (digits == 8) return std::nullopt;  // more than a 32-bit word: not ours to guess at
    word = word << 4 | static_cast<std::uint32_t>(hexDigit(value[i]));
  }
  if (digits == 0) return std::nullopt;
  return word;
}

std::string formatDosAttributeValue(std::uint32_t word) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[word & 15]);
    word >>= 4;
  } while (word != 0);
  return "0x" + hex;
}

std::uint8_t attributesOf(mode_t mode, std::uint32_t storedWord, std::string_view name) {
  std::uint8_t bits = static_cast<std::uint8_t>(storedWord & kStoredBits);
  if ((mode & S_IWUSR) == 0) bits |= os::kReadOnly;
  if (S_ISDIR(mode)) bits |= os::kDirectory;
  if (!name.empty() && name.front() == '.') bits |= os::kHidden;
  return bits;
}

mode_t modeWithReadOnly(mode_t mode, bool readOnly) {
  if (readOnly) return mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
  return mode | S_IWUSR;
}

}  // namespace quillan::posix
