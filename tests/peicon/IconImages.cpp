#include "tests/peicon/IconImages.h"

#include "tests/peicon/PeImageBuilder.h"

namespace quillan::peicon::testing {
namespace {

void append32(std::string& s, std::uint32_t v) {
  s.append(4, '\0');
  put32(s, s.size() - 4, v);
}

void appendBig32(std::string& s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>(v >> shift));
}

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void appendChunk(std::string& png, const std::string& type, const std::string& body) {
  appendBig32(png, static_cast<std::uint32_t>(body.size()));
  png += type + body;
  appendBig32(png, crc32(type + body));
}

}  // namespace

std::string dibImage(int size, std::uint32_t argb) {
  const int maskRow = (size + 31) / 32 * 4;
  std::string s;
  append32(s, 40);
  append32(s, static_cast<std::uint32_t>(size));
  append32(s, static_cast<std::uint32_t>(size * 2));  // colour rows, then mask rows
  s.append({1, 0, 32, 0});                            // planes, bits per pixel
  append32(s, 0);
  append32(s, static_cast<std::uint32_t>(size * size * 4 + size * maskRow));
  s.append(16, '\0');
  for (int i = 0; i < size * size; ++i) append32(s, argb);
  s.append(static_cast<std::size_t>(size * maskRow), '\0');
  return s;
}

std::string pngImage(int size, std::uint32_t argb) {
  std::string raw;
  for (int y = 0; y < size; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < size; ++x) {
      raw += {static_cast<char>(argb >> 16), static_cast<char>(argb >> 8), static_cast<char>(argb),
              static_cast<char>(argb >> 24)};
    }
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  const auto len = static_cast<std::uint16_t>(raw.size());  // one stored block suffices
  std::string zlib = {0x78,
                      0x01,
                      0x01,
                      static_cast<char>(len),
                      static_cast<char>(len >> 8),
                      static_cast<char>(~len),
                      static_cast<char>(~len >> 8)};
  zlib += raw;
  appendBig32(zlib, b << 16 | a);

  std::string header;
  appendBig32(header, static_cast<std::uint32_t>(size));
  appendBig32(header, static_cast<std::uint32_t>(size));
  header += {8, 6, 0, 0, 0};  // 8-bit RGBA
  std::string png("\x89PNG\r\n\x1a\n", 8);
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", zlib);
  appendChunk(png, "IEND", "");
  return png;
}

std::string iconGroup(const std::vector<GroupEntry>& entries, std::uint16_t type) {
  std::string s(6 + 14 * entries.size(), '\0');
  put16(s, 2, type);
  put16(s, 4, static_cast<std::uint16_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::size_t at = 6 + 14 * i;
    s[at] = static_cast<char>(entries[i].width);
    s[at + 1] = static_cast<char>(entries[i].height);
    put16(s, at + 4, 1);
    put16(s, at + 6, entries[i].bitCount);
    put32(s, at + 8, entries[i].bytes);
    put16(s, at + 12, entries[i].id);
  }
  return s;
}

std::optional<std::vector<IcoEntry>> readIco(const std::string& ico) {
  auto u8 = [&](std::size_t at) { return static_cast<std::uint8_t>(ico.at(at)); };
  auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8); };
  auto u32 = [&](std::size_t at) { return std::uint32_t{u16(at)} | std::uint32_t{u16(at + 2)} << 16; };
  if (ico.size() < 6 || u16(0) != 0 || u16(2) != 1) return std::nullopt;
  std::vector<IcoEntry> entries;
  for (std::size_t i = 0; i < u16(4); ++i) {
    const std::size_t at = 6 + 16 * i;
    if (at + 16 > ico.size()) return std::nullopt;
    IcoEntry e{u8(at), u8(at + 1), u16(at + 4), u16(at + 6), u32(at + 8), u32(at + 12), {}};
    if (std::uint64_t{e.offset} + e.size > ico.size()) return std::nullopt;
    e.image = ico.substr(e.offset, e.size);
    entries.push_back(e);
  }
  return entries;
}

}  // namespace quillan::peicon::testing
