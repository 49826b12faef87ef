#include "platform/fake/FakeFileSystem.h"

namespace quillan::fake {
namespace {

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

std::string FakeFileSystem::key(std::string_view path) const {
  std::string k(path);
  for (char& c : k)
    if (c == '\\') c = '/';
  if (k.empty() || k.front() != '/') k = currentDir + "/" + k;
  while (k.size() > 1 && k.back() == '/') k.pop_back();
  return k;
}

void FakeFileSystem::addFile(std::string_view path, std::string contents, std::uint8_t attributes) {
  const std::string k = key(path);
  addDirectory(parentOf(k));
  files[k] = std::move(contents);
  if (attributes != 0) attributeBits[k] = attributes;
}

void FakeFileSystem::addDirectory(std::string_view path) {
  for (std::string k = key(path); directories.insert(k).second; k = parentOf(k)) {
  }
}

bool FakeFileSystem::copyFile(std::string_view from, std::string_view to, bool replace) {
  if (faults.next("copyFile") != 0) return false;
  const auto source = files.find(key(from));
  const std::string target = key(to);
  if (source == files.end() || directories.count(target) != 0 || directories.count(parentOf(target)) == 0) return false;
  const std::string temp = parentOf(target) + "/." + nameOf(target) + ".copy";
  files[temp] = source->second.substr(0, source->second.size() / 2);
  if (faults.next("copyWrite") != 0 || (!replace && files.count(target) != 0)) {
    files.erase(temp);
    return false;
  }
  files[target] = source->second;
  files.erase(temp);
  if (const auto bits = attributeBits.find(source->first); bits != attributeBits.end())
    attributeBits[target] = bits->second;
  if (const auto time = times.find(source->first); time != times.end()) times[target] = time->second;
  return true;
}

bool FakeFileSystem::moveFile(std::string_view from, std::string_view to) {
  if (faults.next("moveFile") != 0) return false;
  const std::string source = key(from);
  const std::string target = key(to);
  if (files.count(target) != 0 || directories.count(target) != 0 || directories.count(parentOf(target)) == 0)
    return false;
  if (const auto file = files.find(source); file != files.end()) {
    files[target] = file->second;
    files.erase(file);
    return true;
  }
  if (directories.count(source) == 0) return false;
  // A directory takes everything below it along.
  std::set<std::string, std::less<>> movedDirs;
  for (const std::string& dir : directories)
    movedDirs.insert(dir == source || dir.rfind(source + "/", 0) == 0 ? target + dir.substr(source.size()) : dir);
  directories = std::move(movedDirs);
  std::map<std::string, std::string, std::less<>> movedFiles;
  for (auto& [path, contents] : files)
    movedFiles[path.rfind(source + "/", 0) == 0 ? target + path.substr(source.size()) : path] = contents;
  files = std::move(movedFiles);
  return true;
}

bool FakeFileSystem::deleteFile(std::string_view path) {
  if (faults.next("deleteFile") != 0) return false;
  const std::string k = key(path);
  const auto bits = attributeBits.find(k);
  if (bits != attributeBits.end() && (bits->second & os::kReadOnly) != 0) return false;
  return files.erase(k) == 1;
}

std::optional<os::LocalDateTime> FakeFileSystem::writableFileTime(std::string_view path) {
  if (faults.next("writableFileTime") != 0) return std::nullopt;
  const std::string k = key(path);
  const auto bits = attributeBits.find(k);
  if (files.count(k) == 0 || (bits != attributeBits.end() && (bits->second & os::kReadOnly) != 0)) return std::nullopt;
  const auto time = times.find(k);
  return time == times.end() ? os::LocalDateTime{} : time->second;
}

bool FakeFileSystem::setModificationTime(std::string_view path, const os::LocalDateTime& moment) {
  if (faults.next("setModificationTime") != 0 || files.count(key(path)) == 0) return false;
  os::LocalDateTime kept = moment;
  kept.second -= kept.second % 2;
  kept.millisecond = 0;
  times[key(path)] = kept;
  return true;
}

std::optional<std::uint8_t> FakeFileSystem::attributes(std::string_view path) {
  const std::string k = key(path);
  std::uint8_t bits = 0;
  if (directories.count(k) != 0) {
    bits = os::kDirectory;
  } else if (files.count(k) == 0) {
    return std::nullopt;
  }
  if (const auto stored = attributeBits.find(k); stored != attributeBits.end()) bits |= stored->second;
  if (nameOf(k).front() == '.') bits |= os::kHidden;
  return bits;
}

bool FakeFileSystem::setAttributes(std::string_view path, std::uint8_t wanted) {
  if (faults.next("setAttributes") != 0) return false;
  const std::string k = key(path);
  const std::optional<std::uint8_t> current = attributes(k);
  if (!current) return false;
  constexpr std::uint8_t kStored = os::kHidden | os::kSystem | os::kArchive;
  const std::uint8_t old = attributeBits.count(k) != 0 ? attributeBits[k] : 0;
  if (noStoredAttributes.count(k) != 0 && (wanted & kStored) != (old & kStored)) {
    attributeBits[k] = static_cast<std::uint8_t>((old & kStored) | (wanted & os::kReadOnly));
    return false;
  }
  attributeBits[k] = static_cast<std::uint8_t>(wanted & (kStored | os::kReadOnly));
  return (wanted & os::kHidden) != 0 || nameOf(k).front() != '.';
}

bool FakeFileSystem::createDirectory(std::string_view path) {
  if (faults.next("createDirectory") != 0) return false;
  const std::string k = key(path);
  if (directories.count(parentOf(k)) == 0 || files.count(k) != 0) return false;
  return directories.insert(k).second;
}

bool FakeFileSystem::isDirectory(std::string_view path) { return directories.count(key(path)) != 0; }

bool FakeFileSystem::changeDirectory(std::string_view path) {
  if (faults.next("changeDirectory") != 0 || !isDirectory(path)) return false;
  currentDir = key(path);
  return true;
}

bool FakeFileSystem::removeDirectory(std::string_view path) {
  if (faults.next("removeDirectory") != 0) return false;
  const std::string k = key(path);
  if (directories.count(k) == 0) return false;
  const std::string below = k + "/";
  for (const auto& [file, contents] : files)
    if (file.rfind(below, 0) == 0) return false;
  for (const std::string& dir : directories)
    if (dir.rfind(below, 0) == 0) return false;
  directories.erase(k);
  return true;
}

bool FakeFileSystem::readDirectory(std::string_view dir, const NameFilter& wanted, const EntryVisitor& visit) {
  if (faults.next("readDirectory") != 0) return false;
  const std::string k = key(dir);
  if (directories.count(k) == 0) return false;
  std::set<std::string> below;
  for (const std::string& d : directories)
    if (d != k && parentOf(d) == k) below.insert(d);
  for (const auto& [file, contents] : files)
    if (parentOf(file) == k) below.insert(file);
  for (const std::string& path : below) {
    if (wanted(nameOf(path), directories.count(path) != 0 ? EntryKind::Directory : EntryKind::File) == Look::Skip)
      continue;
    os::DirectoryEntry entry;
    entry.name = nameOf(path);
    entry.attributes = *attributes(path);
    if (const auto file = files.find(path); file != files.end()) entry.size = file->second.size();
    if (const auto time = times.find(path); time != times.end()) entry.modified = time->second;
    if (!visit(entry)) break;
  }
  return true;
}

std::optional<os::VolumeSpace> FakeFileSystem::volumeSpace(std::string_view) {
  if (faults.next("volumeSpace") != 0) return std::nullopt;
  return space;
}

std::optional<std::string> FakeFileSystem::volumeLabel(std::string_view) {
  if (faults.next("volumeLabel") != 0) return std::nullopt;
  return label;
}

os::DriveType FakeFileSystem::driveType(std::string_view) { return drive; }

}  // namespace quillan::fake
