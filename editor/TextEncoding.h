// The encoding of a rules file's text. The game's own files are 8-bit text
// in Windows-1252; files that people have edited elsewhere may be UTF-8. The
// editor reads a file in the encoding its bytes show, writes what the user
// typed back in the same one, and refuses a character that the encoding
// cannot hold rather than put something else in its place.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::editor {

enum class TextEncoding { Windows1252, Utf8 };

// UTF-8 when the bytes hold something above 127 and all of them are valid
// UTF-8 (a byte-order mark included); Windows-1252 otherwise, plain ASCII
// too.
TextEncoding detectEncoding(std::string_view bytes);

// The name users know the encoding by, for messages.
const char* encodingName(TextEncoding encoding);

// Each Windows-1252 byte becomes one character; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, so every byte comes back as it was.
QString decodeText(std::string_view bytes, TextEncoding encoding);

// The bytes of `text`, or nothing when a character cannot be stored in the
// encoding; `unstorable` then names the first such character.
std::optional<std::string> encodeText(const QString& text, TextEncoding encoding, char32_t* unstorable = nullptr);

}  // namespace quillan::editor
