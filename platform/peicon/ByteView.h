#pragma once
// Little-endian reads from an untrusted buffer. Every offset in an
// executable comes from the file itself, so each read answers "is this
// range inside the buffer?" first, in 64-bit arithmetic that cannot wrap
// for any 32-bit offset plus 32-bit length the file may claim.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillan::peicon {

class ByteView {
 public:
  explicit ByteView(std::string_view bytes) : bytes_(bytes) {}

  std::uint64_t size() const { return bytes_.size(); }

  bool contains(std::uint64_t offset, std::uint64_t length) const {
    return offset <= size() && length <= size() - offset;
  }

  std::optional<std::string_view> slice(std::uint64_t offset, std::uint64_t length) const {
    if (!contains(offset, length)) return std::nullopt;
    return bytes_.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }

  std::optional<std::uint8_t> u8(std::uint64_t offset) const {
    if (!contains(offset, 1)) return std::nullopt;
    return byteAt(offset);
  }

  std::optional<std::uint16_t> u16(std::uint64_t offset) const {
    if (!contains(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(byteAt(offset) | byteAt(offset + 1) << 8);
  }

  std::optional<std::uint32_t> u32(std::uint64_t offset) const {
    if (!contains(offset, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(byteAt(offset)) | static_cast<std::uint32_t>(byteAt(offset + 1)) << 8 |
           static_cast<std::uint32_t>(byteAt(offset + 2)) << 16 | static_cast<std::uint32_t>(byteAt(offset + 3)) << 24;
  }

 private:
  std::uint8_t byteAt(std::uint64_t offset) const {
    return static_cast<std::uint8_t>(bytes_[static_cast<std::size_t>(offset)]);
  }

  std::string_view bytes_;
};

}  // namespace quillan::peicon
