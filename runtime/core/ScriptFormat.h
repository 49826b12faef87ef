// The compiled script file, shared by the loader and the compiler:
//
//   offset 0     8192 bytes  stub (on Linux a launcher: "#!/bin/sh" line + padding)
//   offset 8192    96 bytes  script header, scrambled, not interpreted
//   offset 8288    16 bytes  block header: int32 type, int32 length, 8 unused
//   ...                      type 1: `length` scrambled bytes of NUL-separated lines
//                            type 0: end of script; anything after it is ignored
//                            other types: a header without body
//
// Integers are little-endian. docs/FILE-FORMAT.md describes the format for
// people who write their own tools.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quillan::core {

inline constexpr std::size_t kStubSize = 8192;
inline constexpr std::size_t kScriptHeaderSize = 96;
inline constexpr std::size_t kBlockHeaderSize = 16;

enum BlockType : std::int32_t { kEndBlock = 0, kTextBlock = 1 };

// The block scramble: a rolling XOR whose one-byte key starts at the seed
// for every buffer. Byte 0 is stored plain; every later byte is XORed with
// the key, which then advances by the first step while it is not above the
// threshold and by the second step once it is. Applying it twice restores
// the buffer.
inline constexpr std::uint8_t kScrambleSeed = 0x5A;
inline constexpr std::uint8_t kScrambleStepLow = 0x1D;
inline constexpr std::uint8_t kScrambleStepHigh = 0x8B;
inline constexpr std::uint8_t kScrambleThreshold = 0xB0;

inline void scramble(std::span<std::uint8_t> buffer) {
  std::uint8_t key = kScrambleSeed;
  for (std::size_t i = 1; i < buffer.size(); ++i) {
    buffer[i] ^= key;
    key = static_cast<std::uint8_t>(key + (key <= kScrambleThreshold ? kScrambleStepLow : kScrambleStepHigh));
  }
}

}  // namespace quillan::core
