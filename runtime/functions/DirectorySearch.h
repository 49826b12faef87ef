// Finding directory entries the way scripts ask for them: a search path
// with "*" and "?" wildcards, selector letters that choose an attribute
// mask and the fields of the answer, and each entry written as
// directory part + name, size and packed date joined by the field
// separator. The FILE function takes the first entry; LIST FILELIST takes
// them all, optionally down the directory tree.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/api/FileOperations.h"

namespace quillan::functions {

struct EntrySelection {
  std::uint8_t mask = 0;   // os::FileAttribute bits the letters named
  bool name = false;       // F (implied when neither Z nor T is given)
  bool size = false;       // Z
  bool time = false;       // T
  bool recursive = false;  // "*": directories, and down the tree
};

// R, H, S, D and A add to the mask; "*" makes it the directory bit alone
// (dropping the letters before it) and asks for recursion; F, Z and T
// choose the fields. Letters of either case; any other letter is ignored.
EntrySelection parseEntrySelection(std::string_view letters);

// Everything up to and including the last "\", "/" or ":".
std::string_view directoryPart(std::string_view path);

// Whether name matches the pattern, letters compared without regard to
// case: "*" stands for any run of characters, "?" for one. A pattern that
// ends in ".*" also matches a name without that dot ("*.*" matches all).
bool matchesWildcards(std::string_view pattern, std::string_view name);

// The entry as the answer writes it, or the empty text when the mask
// filters it out (a mask that is not 0 keeps only entries with one of its
// attributes).
std::string formatEntry(const os::DirectoryEntry& entry, std::string_view dirPart, const EntrySelection& selection,
                        char separator);

// The first entry the search path finds whose answer is not empty, in
// the order the directory is read: entries that are hidden, system or
// directories are found only when the mask holds that attribute. Empty
// when there is none.
std::string firstMatch(os::FileOperations& files, std::string_view searchPath, const EntrySelection& selection,
                       char separator);

// Every entry of a directory (a path whose last part has no ".") or of a
// file mask, in read order, passed to add as formatted; names starting
// with "." are left out. With the recursive option each directory's
// entries follow its own (symbolic links are not followed down).
void listEntries(os::FileOperations& files, std::string_view path, const EntrySelection& selection, char separator,
                 const std::function<void(std::string)>& add);

}  // namespace quillan::functions
