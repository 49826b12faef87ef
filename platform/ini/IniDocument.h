// The text of one INI file, parsed into lines so that lookups are cheap and
// edits touch only the lines they change: every other byte (comments, blank
// lines, order, line endings, bytes before the first section) stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ini/IniText.h"

namespace quillan::ini {

class IniDocument {
 public:
  IniDocument() = default;
  // Takes the file's bytes as they are on disk (CRLF, CR or LF line ends; a
  // UTF-16LE byte-order mark switches to UTF-16 reading).
  static IniDocument parse(std::string_view bytes);
  // The bytes to write back (UTF-16LE again when the file was read so).
  std::string serialize() const;

  // Section and key names match without regard to case, after the caller's
  // leading and trailing spaces are stripped. The value is the text after the
  // first "=", trimmed of blanks, with one outer pair of matching quotes
  // removed; nullopt when the section or key is missing. The first copy of a
  // duplicate section or key wins.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // Key names of the section in file order (lines without "=" and comments
  // are left out; duplicates are listed).
  std::vector<std::string> keys(std::string_view section) const;
  // Section names in file order.
  std::vector<std::string> sections() const;
  // Every non-comment, non-blank line of the section, the way a whole-section
  // read returns it: key lines as "name=value" with the blanks around both
  // removed (quotes kept), other lines trimmed of blanks.
  std::vector<std::string> sectionLines(std::string_view section) const;
  bool hasSection(std::string_view section) const;
  // True when the file was read as UTF-16LE (and will be written so).
  bool isUtf16() const { return utf16_; }

  // Names that would not read back as themselves once written are refused
  // by set(): a line break would split the line, a "]" would end the
  // section name early, and a key with "=" or a leading ";" or "[" would
  // read as another key, a comment or a section header.
  static bool canStoreSectionName(std::string_view section);
  static bool canStoreKeyName(std::string_view key);

  // Writes key=value (value exactly as given) into the first copy of the
  // key, or after the section's last entry (so not after the blank lines or
  // comments that close it), creating the section at the end of the file
  // when it is missing. New lines take the line ending of the line before
  // them; a new file uses CRLF. Names the
  // file cannot hold (see canStore...) leave the document unchanged, and
  // the value is cut at its first line break: that is all a later read
  // would see, and the rest must not turn into lines of its own.
  void set(std::string_view section, std::string_view key, std::string_view value);
  // Deletes the key's line; a missing key changes nothing.
  void remove(std::string_view section, std::string_view key);
  // Deletes the section header and its entries (not its comment lines).
  void eraseSection(std::string_view section);

 private:
  struct Line {
    std::string text;  // without its line ending
    std::string eol;   // "\r\n", "\n", "\r", or "" for a last line without one
    text::LineKind kind = text::LineKind::Blank;
    std::string foldedName;  // of a section header or key line
  };
  // A section copy: its header line and the first line after its entries
  // (the next header or the end of the file).
  struct Span {
    std::size_t header;
    std::size_t end;
  };

  static Line makeLine(std::string text, std::string eol);
  // Rebuilds spans_ and sectionIndex_ from the lines.
  void reindex();
  // Keeps spans_ in step with one key line inserted into (shift +1) or
  // removed from (shift -1) the span `owner`: no header comes or goes, so
  // sectionIndex_ stays as it is.
  void shiftSpans(std::size_t owner, std::ptrdiff_t shift);
  const Span* findSection(std::string_view callerName) const;
  std::optional<std::size_t> findKey(const Span& span, std::string_view callerKey) const;
  void insertLineAfter(std::size_t index, std::string text);
  void appendLine(std::string text);

  std::vector<Line> lines_;
  std::vector<Span> spans_;  // every section copy, in file order
  // Folded section name to the index in spans_ of its first copy, so that
  // a lookup in a file of thousands of sections does not walk them all.
  std::unordered_map<std::string, std::size_t> sectionIndex_;
  std::string newLineEnding_ = "\r\n";  // the file's first line ending
  bool utf16_ = false;
  std::string oddTrailingByte_;  // a UTF-16 file's incomplete last code unit
};

}  // namespace quillan::ini
