// The .reg text format (REGEDIT4) that quillanreg reads and writes.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Demo]
//   @="the key's default value"
//   "Text"="a \"quoted\" word and a \\ backslash"
//   "Count"=dword:0000002a
//   "Bytes"=hex:01,02,ff
//   "Path"=hex(2):25,48,4f,4d,45,25,00
//   "Gone"=-
//
//   [-HKEY_CURRENT_USER\Software\Old]
//
// Bytes. The file is 8-bit text like the store: names and strings are the
// stored bytes, written and read unchanged (no code page is assumed, so
// non-ASCII bytes go out and come back as they are). A UTF-8 byte order mark
// before "REGEDIT4" is skipped; UTF-16 text is refused.
//
// Lines end in CRLF when written; LF or CRLF are read. Blank lines and lines
// starting with ";" are ignored. Key lines are "[" ROOT "\" PATH "]" with no
// escapes (a key name cannot hold "\"); ROOT is one of the five root names or
// its short form (HKCU, HKLM, HKCR, HKU, HKDD), any case. "[-...]" deletes
// the key with all its subkeys; deleting a key that is not there is no error,
// deleting a root is.
//
// Values. In quotes, "\\" is a backslash and "\"" a quote; a backslash before
// any other character is kept as it is (hand-written paths like "C:\dir"
// read as typed). A string value is written in quotes only when that gives
// back its exact bytes: a string (type 1) that ends in one NUL and holds no
// other NUL, CR or LF. Every other value keeps its exact bytes in hex: "hex:"
// for binary (type 3), "dword:" and eight hex digits for a number (type 4)
// of exactly four bytes (little-endian), "hex(N):" with N in hex for any
// other type or size (strings that do not fit quotes, hex(2) for expandable
// and hex(7) for multi-strings, hex(0) for no type). Byte lists are wrapped
// after a comma near column 76 with "\" and continue on the next line,
// indented by two spaces; a reader joins any line ending in "\" inside a
// byte list with the next. A value name that holds CR or LF cannot be
// written; nor can a key whose name holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/Registry.h"

namespace quillan::regfile {

// A key as a .reg file names it: a root and the path below it ("" is the
// root itself), parts separated by "\".
struct KeyPath {
  reg::Handle root = 0;
  std::string path;
};

// The long name of a root ("HKEY_CURRENT_USER"); "" for a handle that is no root.
std::string_view rootName(reg::Handle root);
// The five roots in the order an export of the whole store walks them.
const std::vector<reg::Handle>& allRoots();
// "HKEY_CURRENT_USER\Software\Demo" for a key path.
std::string fullName(const KeyPath& key);
// Reads "ROOT" or "ROOT\PATH" (ROOT long or short, any case). Empty
// optional with why in error when the root is unknown or the path breaks
// the store's naming rules (an empty part, a part over 255 bytes, too deep).
std::optional<KeyPath> parseKeyName(std::string_view text, std::string& error);

// One step of a .reg file, in the order of the file.
struct RegOperation {
  enum class Kind {
    OpenKey,      // [KEY]: create the key if missing; later value steps act on it
    DeleteKey,    // [-KEY]: delete the key and its subkeys
    SetValue,     // "name"=data
    DeleteValue,  // "name"=-
  };
  Kind kind = Kind::OpenKey;
  std::size_t line = 0;  // 1-based line where the step starts
  KeyPath key;           // OpenKey, DeleteKey
  std::string name;      // SetValue, DeleteValue; "" is the default value
  std::uint32_t type = 0;
  std::string data;  // SetValue: the bytes as stored
};

struct RegParse {
  std::vector<RegOperation> operations;
  std::size_t errorLine = 0;  // 0 when the whole text was read
  std::string error;          // what is wrong on errorLine
  bool ok() const { return errorLine == 0; }
};

// Reads a whole .reg file. Stops at the first error; operations then holds
// what came before it (callers apply nothing unless ok()).
RegParse readRegText(std::string_view text);

// Writing. Each appends to out.
inline constexpr std::string_view kLineEnd = "\r\n";
void writeHeader(std::string& out);  // "REGEDIT4" and a blank line
// "[" fullName "]"; the name as fullName() gives it.
void writeKeyLine(std::string& out, std::string_view fullName);
// False (and nothing appended) when the name holds CR or LF.
bool writeValueLine(std::string& out, std::string_view name, std::uint32_t type, std::string_view data);
// The part after "=": "\"text\"", "dword:0000002a", "hex:01,02" ... on one
// line (no wrapping), for showing a single value.
std::string valueNotation(std::uint32_t type, std::string_view data);
// "@" for the default value (empty name), else the name quoted.
std::string nameNotation(std::string_view name);
// Whether a name can stand in a key line or a quoted value name.
bool canWriteName(std::string_view name);

}  // namespace quillan::regfile
