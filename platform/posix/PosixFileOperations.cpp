#include "platform/posix/PosixFileOperations.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <memory>

#include "platform/posix/DosAttributes.h"
#include "platform/posix/FileCopy.h"
#include "platform/posix/PosixPaths.h"
#include "platform/posix/Volumes.h"

namespace quillan::posix {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

// A script names "" for nothing; the system would take it as an error
// anyway, but some calls treat it as the current directory.
bool usable(std::string_view path) { return !path.empty(); }

std::string lastPart(const std::string& path) {
  std::size_t end = path.size();
  while (end > 1 && path[end - 1] == '/') --end;
  const std::size_t slash = path.find_last_of('/', end - 1);
  return slash == std::string::npos ? path.substr(0, end) : path.substr(slash + 1, end - slash - 1);
}

os::LocalDateTime localTimeOf(const timespec& when) {
  tm parts{};
  const time_t seconds = when.tv_sec;
  ::localtime_r(&seconds, &parts);
  os::LocalDateTime moment;
  moment.year = parts.tm_year + 1900;
  moment.month = parts.tm_mon + 1;
  moment.day = parts.tm_mday;
  moment.hour = parts.tm_hour;
  moment.minute = parts.tm_min;
  moment.second = parts.tm_sec;
  moment.weekday = parts.tm_wday;
  return moment;
}

std::optional<std::uint32_t> storedWord(const char* path) {
  char value[256];
  const ssize_t length = ::getxattr(path, kDosAttributeName, value, sizeof value);
  if (length <= 0) return std::nullopt;
  return parseDosAttributeValue(std::string_view(value, static_cast<std::size_t>(length)));
}

// Kilobytes of count blocks of blockSize bytes, without the product ever
// leaving 64 bits.
std::uint64_t kilobytes(std::uint64_t count, std::uint64_t blockSize) {
  return (count / 1024) * blockSize + (count % 1024) * blockSize / 1024;
}

}  // namespace

bool PosixFileOperations::copyFile(std::string_view from, std::string_view to, bool replace) {
  if (!usable(from) || !usable(to)) return false;
  return copyFileAtomically(toSystemPath(from), toSystemPath(to), replace) == 0;
}

bool PosixFileOperations::moveFile(std::string_view from, std::string_view to) {
  if (!usable(from) || !usable(to)) return false;
  const std::string source = toSystemPath(from);
  const std::string target = toSystemPath(to);
  const int error = renameNoReplace(source, target);
  if (error != EXDEV) return error == 0;
  // Another file system: a file is copied and then deleted; a directory
  // does not move.
  struct stat st {};
  if (::lstat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (copyFileAtomically(source, target, false) != 0) return false;
  if (::unlink(source.c_str()) == 0) return true;
  ::unlink(target.c_str());
  return false;
}

bool PosixFileOperations::deleteFile(std::string_view path) {
  if (!usable(path)) return false;
  const std::string file = toSystemPath(path);
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  // A read-only file is protected from deletion, as scripts expect.
  if (S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0) return false;
  return ::unlink(file.c_str()) == 0;
}

std::optional<os::LocalDateTime> PosixFileOperations::writableFileTime(std::string_view path) {
  if (!usable(path)) return std::nullopt;
  const int fd = ::open(toSystemPath(path).c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  const bool ok = ::fstat(fd, &st) == 0;
  ::close(fd);
  // The owner's write bit is the read-only attribute; it holds even for
  // a user the system would let write anyway.
  if (!ok || !S_ISREG(st.st_mode) || (st.st_mode & S_IWUSR) == 0) return std::nullopt;
  return localTimeOf(st.st_mtim);
}

bool PosixFileOperations::setModificationTime(std::string_view path, const os::LocalDateTime& moment) {
  if (!usable(path)) return false;
  tm parts{};
  parts.tm_year = moment.year - 1900;
  parts.tm_mon = moment.month - 1;
  parts.tm_mday = moment.day;
  parts.tm_hour = moment.hour;
  parts.tm_min = moment.minute;
  parts.tm_sec = moment.second - moment.second % 2;  // the file date's two-second steps
  parts.tm_isdst = -1;
  const time_t seconds = ::mktime(&parts);
  if (seconds == static_cast<time_t>(-1)) return false;
  const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
  return ::utimensat(AT_FDCWD, toSystemPath(path).c_str(), times, 0) == 0;
}

std::optional<std::uint8_t> PosixFileOperations::attributes(std::string_view path) {
  if (!usable(path)) return std::nullopt;
  const std::string file = toSystemPath(path);
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return std::nullopt;
  return attributesOf(st.st_mode, storedWord(file.c_str()).value_or(0), lastPart(file));
}

bool PosixFileOperations::setAttributes(std::string_view path, std::uint8_t wanted) {
  if (!usable(path)) return false;
  const std::string file = toSystemPath(path);
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return false;
  bool kept = true;
  const mode_t mode = modeWithReadOnly(st.st_mode, (wanted & os::kReadOnly) != 0);
  const std::optional<std::uint32_t> stored = storedWord(file.c_str());
  const std::uint32_t old = stored.value_or(0);
  std::uint32_t word = (old & ~(kStoredBits | os::kReadOnly | os::kDirectory)) | (wanted & kStoredBits);
  if ((mode & S_IWUSR) == 0) word |= os::kReadOnly;
  if (S_ISDIR(st.st_mode)) word |= os::kDirectory;
  // Written when there is something to keep or a stored value to bring up
  // to date; only losing hidden, system or archive is a failure. Only a
  // file its owner may write takes a user attribute, so a read-only file
  // is made writable for the moment.
  const bool needed = (word & kStoredBits) != (old & kStoredBits);
  if (needed || (stored && word != old)) {
    if ((st.st_mode & S_IWUSR) == 0) ::chmod(file.c_str(), (st.st_mode | S_IWUSR) & 07777);
    const std::string value = formatDosAttributeValue(word);
    if (::setxattr(file.c_str(), kDosAttributeName, value.data(), value.size(), 0) != 0 && needed) kept = false;
    if ((st.st_mode & S_IWUSR) == 0 && ::chmod(file.c_str(), st.st_mode & 07777) != 0) kept = false;
  }
  if (mode != st.st_mode && ::chmod(file.c_str(), mode & 07777) != 0) kept = false;
  // A name that starts with "." is hidden whatever is stored.
  const std::string name = lastPart(file);
  if ((wanted & os::kHidden) == 0 && !name.empty() && name.front() == '.') kept = false;
  return kept;
}

bool PosixFileOperations::createDirectory(std::string_view path) {
  return usable(path) && ::mkdir(toSystemPath(path).c_str(), 0777) == 0;
}

bool PosixFileOperations::isDirectory(std::string_view path) {
  struct stat st {};
  return usable(path) && ::stat(toSystemPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileOperations::changeDirectory(std::string_view path) {
  return usable(path) && ::chdir(toSystemPath(path).c_str()) == 0;
}

bool PosixFileOperations::removeDirectory(std::string_view path) {
  return usable(path) && ::rmdir(toSystemPath(path).c_str()) == 0;
}

bool PosixFileOperations::readDirectory(std::string_view dir, const NameFilter& wanted, const EntryVisitor& visit) {
  if (!usable(dir)) return false;
  std::string base = toSystemPath(dir);
  const std::unique_ptr<DIR, DirCloser> stream(::opendir(base.c_str()));
  if (!stream) return false;
  if (base.back() != '/') base.push_back('/');
  const int dirFd = ::dirfd(stream.get());
  os::DirectoryEntry entry;
  std::string full;
  while (const dirent* item = ::readdir(stream.get())) {
    const std::string_view name = item->d_name;
    const EntryKind kind = item->d_type == DT_DIR   ? EntryKind::Directory
                           : item->d_type == DT_REG ? EntryKind::File
                                                    : EntryKind::Unknown;
    if (name == "." || name == "..") continue;
    const Look look = wanted(name, kind);
    if (look == Look::Skip) continue;
    struct stat st {};
    if (look == Look::Brief && kind != EntryKind::Unknown) {
      // The kind stands for the mode: no write bit is looked at.
      st.st_mode = (kind == EntryKind::Directory ? S_IFDIR : S_IFREG) | S_IWUSR;
    } else if (::fstatat(dirFd, item->d_name, &st, 0) != 0 &&
               ::fstatat(dirFd, item->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
      // A link is described by what it points to; a dangling one by itself.
      continue;
    }
    entry.name = name;
    entry.symbolicLink = item->d_type == DT_LNK;
    if (item->d_type == DT_UNKNOWN) {
      struct stat own {};
      entry.symbolicLink = ::fstatat(dirFd, item->d_name, &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(own.st_mode);
    }
    full.assign(base).append(name);
    entry.attributes = attributesOf(st.st_mode, storedWord(full.c_str()).value_or(0), name);
    entry.size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::uint64_t>(st.st_size);
    entry.modified = look == Look::Full ? localTimeOf(st.st_mtim) : os::LocalDateTime{};
    if (!visit(entry)) break;
  }
  return true;
}

std::optional<os::VolumeSpace> PosixFileOperations::volumeSpace(std::string_view path) {
  struct statvfs facts {};
  if (!usable(path) || ::statvfs(toSystemPath(path).c_str(), &facts) != 0) return std::nullopt;
  return os::VolumeSpace{kilobytes(facts.f_bavail, facts.f_frsize), kilobytes(facts.f_blocks, facts.f_frsize)};
}

std::optional<std::string> PosixFileOperations::volumeLabel(std::string_view path) {
  if (!usable(path)) return std::nullopt;
  return volumeLabelOf(toSystemPath(path));
}

os::DriveType PosixFileOperations::driveType(std::string_view path) {
  if (!usable(path)) return os::DriveType::Unknown;
  return driveTypeOf(toSystemPath(path));
}

}  // namespace quillan::posix
