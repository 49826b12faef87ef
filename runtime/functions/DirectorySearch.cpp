#include "runtime/functions/DirectorySearch.h"

#include <utility>
#include <vector>

#include "runtime/functions/DateTimeText.h"

namespace quillan::functions {
namespace {

constexpr std::uint8_t kFoundOnlyOnRequest = os::kHidden | os::kSystem | os::kDirectory;

struct SelectorLetter {
  char letter;
  std::uint8_t bit;
};
constexpr SelectorLetter kMaskLetters[] = {
    {'R', os::kReadOnly}, {'H', os::kHidden}, {'S', os::kSystem}, {'D', os::kDirectory}, {'A', os::kArchive}};

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isCandidate(std::uint8_t attributes, std::uint8_t mask) { return (attributes & kFoundOnlyOnRequest & ~mask) == 0; }

using os::FileOperations;

// How closely to look at an entry the pattern matches. A plain file can
// never pass a mask of directories alone, so a search for directories
// need not look at the files at all; and only the read-only bit, the size
// and the time need the entry's full facts.
FileOperations::Look lookAt(FileOperations::EntryKind kind, const EntrySelection& selection) {
  if (selection.mask == os::kDirectory && kind == FileOperations::EntryKind::File) return FileOperations::Look::Skip;
  const bool full = selection.size || selection.time || (selection.mask & os::kReadOnly) != 0;
  return full ? FileOperations::Look::Full : FileOperations::Look::Brief;
}

bool matchFrom(std::string_view pattern, std::string_view name) {
  // Iterative, with one point to come back to: the last "*" seen. Each
  // step moves forward in the name, so a match costs at most
  // pattern length times name length, whatever the pattern.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || upper(pattern[p]) == upper(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

void listInto(os::FileOperations& files, const std::string& dir, std::string_view pattern, std::string_view dirPart,
              const EntrySelection& selection, char separator, const std::function<void(std::string)>& add, int depth) {
  const auto wanted = [&](std::string_view name, FileOperations::EntryKind kind) {
    if (name.front() == '.' || !matchesWildcards(pattern, name)) return FileOperations::Look::Skip;
    return lookAt(kind, selection);
  };
  std::vector<std::pair<std::string, std::string>> found;  // formatted, then the directory to go down into
  files.readDirectory(dir, wanted, [&](const os::DirectoryEntry& entry) {
    if (!isCandidate(entry.attributes, selection.mask)) return true;
    std::string text = formatEntry(entry, dirPart, selection, separator);
    if (text.empty()) return true;
    const bool descend = selection.recursive && (entry.attributes & os::kDirectory) != 0 && !entry.symbolicLink;
    found.emplace_back(std::move(text), descend ? std::string(dirPart) + entry.name : std::string());
    return true;
  });
  // Deep enough for any real tree; a deeper one is a loop the links above
  // did not show (a bind mount of a parent, say).
  constexpr int kMaxDepth = 256;
  for (auto& [text, below] : found) {
    add(std::move(text));
    if (!below.empty() && depth < kMaxDepth)
      listInto(files, below, "*", below + "/", selection, separator, add, depth + 1);
  }
}

}  // namespace

EntrySelection parseEntrySelection(std::string_view letters) {
  EntrySelection selection;
  bool fieldChosen = false;
  for (const char c : letters) {
    const char u = upper(c);
    for (const SelectorLetter& row : kMaskLetters)
      if (row.letter == u) selection.mask |= row.bit;
    if (u == '*') {
      selection.mask = os::kDirectory;
      selection.recursive = true;
    } else if (u == 'F') {
      selection.name = true;
    } else if (u == 'Z') {
      selection.size = fieldChosen = true;
    } else if (u == 'T') {
      selection.time = fieldChosen = true;
    }
  }
  if (!fieldChosen) selection.name = true;
  return selection;
}

std::string_view directoryPart(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

bool matchesWildcards(std::string_view pattern, std::string_view name) {
  if (matchFrom(pattern, name)) return true;
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         name.find('.') == std::string_view::npos && matchFrom(pattern.substr(0, pattern.size() - 2), name);
}

std::string formatEntry(const os::DirectoryEntry& entry, std::string_view dirPart, const EntrySelection& selection,
                        char separator) {
  if (selection.mask != 0 && (entry.attributes & selection.mask) == 0) return {};
  std::string text;
  if (selection.name) {
    text.append(dirPart).append(entry.name);
    text.push_back(separator);
  }
  if (selection.size) {
    text.append(std::to_string(entry.size));
    text.push_back(separator);
  }
  if (selection.time) {
    text.append(std::to_string(static_cast<std::int32_t>(packFileDate(entry.modified))));
    text.push_back(separator);
  }
  text.pop_back();
  return text;
}

std::string firstMatch(os::FileOperations& files, std::string_view searchPath, const EntrySelection& selection,
                       char separator) {
  const std::string_view dirPart = directoryPart(searchPath);
  const std::string_view pattern = searchPath.substr(dirPart.size());
  if (pattern.empty()) return {};
  const std::string dir = dirPart.empty() ? std::string(".") : std::string(dirPart);
  std::string result;
  files.readDirectory(
      dir,
      [&](std::string_view name, FileOperations::EntryKind kind) {
        return matchesWildcards(pattern, name) ? lookAt(kind, selection) : FileOperations::Look::Skip;
      },
      [&](const os::DirectoryEntry& entry) {
        if (!isCandidate(entry.attributes, selection.mask)) return true;
        result = formatEntry(entry, dirPart, selection, separator);
        return result.empty();
      });
  return result;
}

void listEntries(os::FileOperations& files, std::string_view path, const EntrySelection& selection, char separator,
                 const std::function<void(std::string)>& add) {
  std::size_t lastStart = path.size();
  while (lastStart > 0 && !isSeparator(path[lastStart - 1])) --lastStart;
  if (path.substr(lastStart).find('.') != std::string_view::npos) {
    const std::string_view dirPart = directoryPart(path);
    const std::string dir = dirPart.empty() ? std::string(".") : std::string(dirPart);
    listInto(files, dir, path.substr(dirPart.size()), dirPart, selection, separator, add, 0);
    return;
  }
  std::string dirPart(path);
  if (dirPart.empty() || !isSeparator(dirPart.back())) dirPart.push_back('/');
  listInto(files, std::string(path.empty() ? std::string_view(".") : path), "*", dirPart, selection, separator, add, 0);
}

}  // namespace quillan::functions
