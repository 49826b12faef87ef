#include "platform/ini/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/ini/AtomicReplace.h"
#include "platform/ini/FileRead.h"
#include "platform/ini/Utf16.h"

namespace quillan::ini {

ProfileFile::ProfileFile(std::string path, Durability durability) : path_(std::move(path)), durability_(durability) {}

ProfileFile::~ProfileFile() { flush(); }

void ProfileFile::flush() {
  if (!unsynced_) return;
  unsynced_ = false;
  syncFile(path_);
}

void ProfileFile::setDocument(std::string bytes) {
  document_ = IniDocument::parse(bytes);
  bytes_ = std::move(bytes);
}

bool ProfileFile::refresh() {
  struct stat st {};
  if (::stat(path_.c_str(), &st) != 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) {
      if (cacheState_ != CacheState::Missing) {
        setDocument({});
        pin_ = InodePin();
        cacheState_ = CacheState::Missing;
      }
      return true;
    }
    cacheState_ = CacheState::Unknown;
    setDocument({});
    readError_ = describeError("Cannot examine", path_, err);
    return false;
  }
  if (cacheState_ == CacheState::Loaded && FileIdentity::of(st) == identity_) return true;

  FileRead read = readWholeFile(path_);
  ++readCount_;
  switch (read.outcome) {
    case FileRead::Outcome::Missing:  // removed between the stat and the open
      setDocument({});
      cacheState_ = CacheState::Missing;
      return true;
    case FileRead::Outcome::Failed:
      setDocument({});
      cacheState_ = CacheState::Unknown;
      readError_ = read.error;
      return false;
    case FileRead::Outcome::Read:
      break;
  }
  setDocument(std::move(read.bytes));
  identity_ = read.identity;
  pin_ = std::move(read.pin);
  cacheState_ = read.identityStable ? CacheState::Loaded : CacheState::Unknown;
  return true;
}

std::string ProfileFile::getString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize) {
  refresh();  // an unreadable file reads as an empty one
  std::string result;
  if (std::optional<std::string> found = document_.value(section, key)) {
    result = std::move(*found);
  } else {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    result = defaultValue;
  }
  if (bufferSize == 0) return {};
  if (result.size() > bufferSize - 1) {
    // Text read from a UTF-16 file is UTF-8 here: cut between characters,
    // never inside one.
    const std::size_t keep = document_.isUtf16() ? utf16::characterBoundary(result, bufferSize - 1) : bufferSize - 1;
    result.resize(keep);
  }
  return result;
}

std::vector<std::string> ProfileFile::keys(std::string_view section) {
  refresh();
  return document_.keys(section);
}

std::vector<std::string> ProfileFile::sections() {
  refresh();
  return document_.sections();
}

std::vector<std::string> ProfileFile::sectionLines(std::string_view section) {
  refresh();
  return document_.sectionLines(section);
}

std::string ProfileFile::keyList(std::string_view section, std::size_t bufferSize) {
  refresh();
  std::string list;
  for (const std::string& name : document_.keys(section)) {
    // An empty name would read as the end of the list and hide the rest.
    if (name.empty()) continue;
    list += name;
    list += '\0';
  }
  list += '\0';
  if (list.size() == 1) list += '\0';  // an empty list is two NULs as well

  if (bufferSize == 0) return {};
  if (bufferSize == 1) return std::string(1, '\0');
  if (list.size() <= bufferSize) return list;
  // Cut to leave room for the two closing NULs. A cut that falls just after
  // a separator would leave an empty name in front of them: drop it.
  list.resize(document_.isUtf16() ? utf16::characterBoundary(list, bufferSize - 2) : bufferSize - 2);
  if (!list.empty() && list.back() == '\0') list.pop_back();
  list.append(2, '\0');
  return list;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::optional<std::string_view> value) {
  const std::string_view trimmedSection = text::trimSpaces(section);
  const std::string_view trimmedKey = text::trimSpaces(key);
  if (!IniDocument::canStoreSectionName(trimmedSection)) {
    lastError_ = "Cannot write '" + path_ + "': the section name '" + std::string(trimmedSection) +
                 "' cannot be stored in an INI file";
    return false;
  }
  if (value && !IniDocument::canStoreKeyName(trimmedKey)) {
    lastError_ =
        "Cannot write '" + path_ + "': the key name '" + std::string(trimmedKey) + "' cannot be stored in an INI file";
    return false;
  }
  return edit([&](IniDocument& doc) {
    if (value) {
      doc.set(section, key, *value);
    } else {
      doc.remove(section, key);
    }
  });
}

bool ProfileFile::eraseSection(std::string_view section) {
  return edit([&](IniDocument& doc) { doc.eraseSection(section); });
}

bool ProfileFile::edit(const std::function<void(IniDocument&)>& change) {
  lastError_.clear();
  const ReplaceLock lock(path_);
  if (!refresh()) {
    lastError_ = readError_;
    return false;
  }
  // The change is made on the cached document itself: copying a large
  // file's lines for every edit would cost more than the edit. Whatever
  // does not reach the disk is undone from the bytes the file still holds.
  std::string bytes;
  try {
    change(document_);
    bytes = document_.serialize();
  } catch (...) {
    setDocument(std::move(bytes_));
    throw;
  }
  if (bytes == bytes_) return true;

  const ReplaceResult replaced = replaceFileAtomically(path_, bytes, durability_);
  if (!replaced.ok) {
    lastError_ = replaced.error;
    setDocument(std::move(bytes_));
    return false;
  }
  unsynced_ = unsynced_ || durability_ == Durability::Unsynced;
  // What we wrote is what the file now holds: no need to read it back.
  // Nobody who takes the lock can have replaced it since, so the file at
  // the path is ours to pin.
  bytes_ = std::move(bytes);
  identity_ = replaced.identity;
  InodePin pin(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  const bool ours = pin.fd() >= 0 && ::fstat(pin.fd(), &st) == 0 && FileIdentity::of(st) == identity_;
  pin_ = std::move(pin);
  cacheState_ = ours ? CacheState::Loaded : CacheState::Unknown;
  return true;
}

}  // namespace quillan::ini
