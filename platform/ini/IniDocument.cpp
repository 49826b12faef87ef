#include "platform/ini/IniDocument.h"

#include <algorithm>

#include "platform/ini/Utf16.h"

namespace quillan::ini {

using text::LineKind;

IniDocument::Line IniDocument::makeLine(std::string lineText, std::string eol) {
  Line line{std::move(lineText), std::move(eol), LineKind::Blank, {}};
  const text::LineMeaning meaning = text::classify(line.text);
  line.kind = meaning.kind;
  if (meaning.kind == LineKind::Section || meaning.kind == LineKind::Key) {
    line.foldedName = text::foldCase(meaning.name);
  }
  return line;
}

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  std::string decoded;
  if (bytes.starts_with(utf16::kLittleEndianBom)) {
    doc.utf16_ = true;
    bytes.remove_prefix(utf16::kLittleEndianBom.size());
    if (bytes.size() % 2 != 0) doc.oddTrailingByte_ = bytes.substr(bytes.size() - 1);
    decoded = utf16::toUtf8(bytes);
    bytes = decoded;
  }

  doc.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  bool sawLineEnding = false;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t brk = bytes.find_first_of("\r\n", start);
    if (brk == std::string_view::npos) {
      doc.lines_.push_back(makeLine(std::string(bytes.substr(start)), ""));
      break;
    }
    const std::size_t eolLength = (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n') ? 2 : 1;
    std::string eol(bytes.substr(brk, eolLength));
    if (!sawLineEnding) {
      doc.newLineEnding_ = eol;
      sawLineEnding = true;
    }
    doc.lines_.push_back(makeLine(std::string(bytes.substr(start, brk - start)), std::move(eol)));
    start = brk + eolLength;
  }
  doc.reindex();
  return doc;
}

std::string IniDocument::serialize() const {
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + line.eol.size();
  std::string out;
  out.reserve(size);
  for (const Line& line : lines_) {
    out += line.text;
    out += line.eol;
  }
  if (!utf16_) return out;
  return std::string(utf16::kLittleEndianBom) + utf16::fromUtf8(out) + oddTrailingByte_;
}

void IniDocument::reindex() {
  spans_.clear();
  sectionIndex_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::Section) continue;
    if (!spans_.empty()) spans_.back().end = i;
    sectionIndex_.emplace(lines_[i].foldedName, spans_.size());  // first copy wins
    spans_.push_back({i, lines_.size()});
  }
}

void IniDocument::shiftSpans(std::size_t owner, std::ptrdiff_t shift) {
  spans_[owner].end = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(spans_[owner].end) + shift);
  for (std::size_t i = owner + 1; i < spans_.size(); ++i) {
    spans_[i].header = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(spans_[i].header) + shift);
    spans_[i].end = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(spans_[i].end) + shift);
  }
}

const IniDocument::Span* IniDocument::findSection(std::string_view callerName) const {
  const auto found = sectionIndex_.find(text::foldCase(text::trimSpaces(callerName)));
  return found == sectionIndex_.end() ? nullptr : &spans_[found->second];
}

std::optional<std::size_t> IniDocument::findKey(const Span& span, std::string_view callerKey) const {
  const std::string wanted = text::foldCase(text::trimSpaces(callerKey));
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines_[i].kind == LineKind::Key && lines_[i].foldedName == wanted) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const Span* span = findSection(section);
  if (!span) return std::nullopt;
  const std::optional<std::size_t> at = findKey(*span, key);
  if (!at) return std::nullopt;
  const text::LineMeaning meaning = text::classify(lines_[*at].text);
  return std::string(text::unquote(text::trimBlanks(meaning.value)));
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Span* span = findSection(section)) {
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
      if (lines_[i].kind == LineKind::Key) names.emplace_back(text::classify(lines_[i].text).name);
    }
  }
  return names;
}

std::vector<std::string> IniDocument::sections() const {
  std::vector<std::string> names;
  names.reserve(spans_.size());
  for (const Span& span : spans_) names.emplace_back(text::classify(lines_[span.header].text).name);
  return names;
}

std::vector<std::string> IniDocument::sectionLines(std::string_view section) const {
  std::vector<std::string> result;
  if (const Span* span = findSection(section)) {
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
      const Line& line = lines_[i];
      if (line.kind == LineKind::Key) {
        const text::LineMeaning meaning = text::classify(line.text);
        result.push_back(std::string(meaning.name) + "=" + std::string(text::trimBlanks(meaning.value)));
      } else if (line.kind == LineKind::Other) {
        result.emplace_back(text::trimBlanks(line.text));
      }
    }
  }
  return result;
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool IniDocument::canStoreSectionName(std::string_view section) {
  return section.find_first_of("\r\n]") == std::string_view::npos;
}

bool IniDocument::canStoreKeyName(std::string_view key) {
  const std::string_view trimmed = text::trimBlanks(key);
  if (!trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '[')) return false;
  return key.find_first_of("\r\n=") == std::string_view::npos;
}

void IniDocument::insertLineAfter(std::size_t index, std::string lineText) {
  Line& previous = lines_[index];
  // A new line takes the ending of the line it follows. Only the file's last
  // line can lack one; it gets the file's first ending, so that the new line
  // starts a line of its own.
  if (previous.eol.empty()) previous.eol = newLineEnding_;
  std::string eol = previous.eol;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1, makeLine(std::move(lineText), std::move(eol)));
}

void IniDocument::appendLine(std::string lineText) {
  if (lines_.empty()) {
    lines_.push_back(makeLine(std::move(lineText), newLineEnding_));
  } else {
    insertLineAfter(lines_.size() - 1, std::move(lineText));
  }
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  section = text::trimSpaces(section);
  key = text::trimSpaces(key);
  if (!canStoreSectionName(section) || !canStoreKeyName(key)) return;
  value = value.substr(0, value.find_first_of("\r\n"));

  const Span* span = findSection(section);
  if (!span) {
    appendLine("[" + std::string(section) + "]");
    const std::size_t header = lines_.size() - 1;
    appendLine(std::string(key) + "=" + std::string(value));
    // The new section is the file's last: the one before it now ends at its
    // header, and no earlier copy can exist.
    if (!spans_.empty()) spans_.back().end = header;
    sectionIndex_.emplace(lines_[header].foldedName, spans_.size());
    spans_.push_back({header, lines_.size()});
    return;
  }

  if (const std::optional<std::size_t> at = findKey(*span, key)) {
    const text::LineMeaning meaning = text::classify(lines_[*at].text);
    // A value the line already holds (the blanks around it never reach a
    // reader) leaves the line as it was, so that a form writing back what it
    // read does not rewrite the file.
    if (meaning.value == value || text::trimBlanks(meaning.value) == value) return;
    // The key keeps the spelling it has in the file.
    lines_[*at] = makeLine(std::string(meaning.name) + "=" + std::string(value), lines_[*at].eol);
    return;
  }

  // After the last entry, so that blank lines and comments that close the
  // section stay between it and the next one.
  std::size_t last = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (lines_[i].kind == LineKind::Key || lines_[i].kind == LineKind::Other) last = i;
  }
  const auto owner = static_cast<std::size_t>(span - spans_.data());
  insertLineAfter(last, std::string(key) + "=" + std::string(value));
  shiftSpans(owner, +1);
}

void IniDocument::remove(std::string_view section, std::string_view key) {
  const Span* span = findSection(section);
  if (!span) return;
  if (const std::optional<std::size_t> at = findKey(*span, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
    shiftSpans(static_cast<std::size_t>(span - spans_.data()), -1);
  }
}

void IniDocument::eraseSection(std::string_view section) {
  const Span* span = findSection(section);
  if (!span) return;
  // Only the section's own lines move: its comments close up in place and
  // the lines after it shift down once.
  const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header);
  const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(span->end);
  const auto kept = std::remove_if(first, last, [](const Line& line) {
    return line.kind == LineKind::Section || line.kind == LineKind::Key || line.kind == LineKind::Other;
  });
  lines_.erase(kept, last);
  reindex();
}

}  // namespace quillan::ini
