// Conversion between a UTF-16LE file body and the 8-bit text the rest of
// the engine works on. The conversion is lossless in both directions for
// any byte string, so that an unedited file is written back unchanged:
// unpaired surrogates travel as their 3-byte generalised UTF-8 form, and an
// odd final byte is carried separately by the caller.
#pragma once

#include <string>
#include <string_view>

namespace quillan::ini::utf16 {

// The byte-order mark that switches a file to UTF-16 reading.
inline constexpr std::string_view kLittleEndianBom{"\xFF\xFE", 2};

// Decodes pairs of bytes (an odd final byte is ignored) to UTF-8.
std::string toUtf8(std::string_view littleEndianBytes);
// Encodes UTF-8 to UTF-16LE. Bytes that are not well-formed UTF-8 (text a
// caller passed in some 8-bit code page) become the code unit of the same
// value, so nothing is dropped.
std::string fromUtf8(std::string_view utf8);

// The longest prefix of at most maxBytes bytes that does not end inside a
// UTF-8 sequence.
std::size_t characterBoundary(std::string_view utf8, std::size_t maxBytes);

}  // namespace quillan::ini::utf16
