#include "runtime/dialog/WavHeader.h"

#include <cstddef>

namespace quillan::dialog {
namespace {

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

}  // namespace

std::int64_t wavLengthMs(std::string_view head, std::uint64_t fileSize) {
  if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return -1;
  std::uint32_t byteRate = 0;
  std::size_t at = 12;
  while (at + 8 <= head.size()) {
    const std::string_view id = head.substr(at, 4);
    const std::uint32_t size = littleEndian32(head, at + 4);
    const std::size_t body = at + 8;
    if (id == "fmt " && body + 12 <= head.size()) byteRate = littleEndian32(head, body + 8);
    if (id == "data") {
      if (byteRate == 0) return -1;
      // Streamed files leave the size open; the rest of the file is sound.
      std::uint64_t dataSize = size;
      const std::uint64_t rest = fileSize > body ? fileSize - body : 0;
      if (dataSize == 0 || dataSize == 0xFFFFFFFFu || dataSize > rest) dataSize = rest;
      return static_cast<std::int64_t>(dataSize * 1000 / byteRate);
    }
    at = body + size + (size & 1);  // chunks are padded to an even size
  }
  return -1;
}

}  // namespace quillan::dialog
