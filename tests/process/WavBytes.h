// WAV files made in memory for the sound tests.
#pragma once

#include <cstdint>
#include <string>

namespace quillan::dialog {

inline std::string le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
inline std::string le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

// 8-bit mono PCM at 8000 Hz: one byte per sample, 8 bytes per millisecond.
// declaredSize is written into the data chunk's header.
inline std::string wav(std::uint32_t dataBytes, std::uint32_t declaredSize, const std::string& extraChunk = {}) {
  const std::string fmt = "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8);
  const std::string data = "data" + le32(declaredSize) + std::string(dataBytes, '\x80');
  const std::string body = "WAVE" + fmt + extraChunk + data;
  return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

}  // namespace quillan::dialog
