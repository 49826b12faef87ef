#include "platform/ini/AtomicReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "platform/ini/FileRead.h"

#ifdef QUILLAN_INI_FAULT_POINTS
#include "platform/ini/WriteFaults.h"
#define QUILLAN_INI_FAULT(step) ::quillan::ini::faults::fire(::quillan::ini::faults::WriteStep::step)
#else
#define QUILLAN_INI_FAULT(step) 0
#endif

namespace quillan::ini {

namespace {

// The file the bytes really belong to: the target of a symbolic link, so
// that renaming over it does not turn the link into a plain file.
std::string resolveTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A run of decimal digits at the front of `rest`, taken off it; false when
// there is none or it is too long to be a number we wrote.
bool takeNumber(std::string_view& rest, unsigned long long& value) {
  std::size_t n = 0;
  value = 0;
  while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9') {
    if (n == 19) return false;
    value = value * 10 + static_cast<unsigned>(rest[n] - '0');
    ++n;
  }
  rest.remove_prefix(n);
  return n > 0;
}

// The writer's process id when `name` is one of our temporary files for the
// file named `base` (BASE.~PID-COUNTER-NSEC, as createTemp names them), else 0.
pid_t temporaryOwner(std::string_view name, std::string_view base) {
  if (name.size() <= base.size() + 2 || name.substr(0, base.size()) != base || name.substr(base.size(), 2) != ".~")
    return 0;
  std::string_view rest = name.substr(base.size() + 2);
  unsigned long long pid = 0, counter = 0, nsec = 0;
  if (!takeNumber(rest, pid) || rest.empty() || rest.front() != '-') return 0;
  rest.remove_prefix(1);
  if (!takeNumber(rest, counter) || rest.empty() || rest.front() != '-') return 0;
  rest.remove_prefix(1);
  if (!takeNumber(rest, nsec) || !rest.empty()) return 0;
  // 0 and negative numbers would make kill() address process groups.
  if (pid == 0 || pid > static_cast<unsigned long long>(INT_MAX)) return 0;
  return static_cast<pid_t>(pid);
}

// A writer killed between creating its temporary file and renaming it
// leaves the file behind. Each write removes those of the same target whose
// writer no longer runs; a live writer's file, and any other file, stay.
void removeOrphanedTemporaries(const std::string& target) {
  const std::string directory = directoryOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string_view base =
      slash == std::string::npos ? std::string_view(target) : std::string_view(target).substr(slash + 1);
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const pid_t owner = temporaryOwner(entry->d_name, base);
    if (owner == 0 || owner == ::getpid()) continue;
    if (::kill(owner, 0) == 0 || errno != ESRCH) continue;  // alive, or not ours to ask about
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// Opens a new temporary file beside `target` with a name no one else uses.
int createTemp(const std::string& target, std::string& tempPath, int& err) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tempPath = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
               std::to_string(now.tv_nsec);
    if ((err = QUILLAN_INI_FAULT(CreateTemp)) != 0) return -1;
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    err = errno;
    if (err != EEXIST) return -1;
  }
  return -1;
}

int writeAll(int fd, std::string_view bytes) {
  if (const int fault = QUILLAN_INI_FAULT(WriteTemp)) return fault;
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return 0;
}

// Keeps the rename itself across a power loss; a directory that cannot be
// synced does not undo a replacement that has already happened.
void syncDirectory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReplaceResult replaceFileAtomically(const std::string& path, std::string_view bytes, Durability durability) {
  ReplaceResult result;
  const std::string target = resolveTarget(path);
  removeOrphanedTemporaries(target);

  int err = 0;
  std::string tempPath;
  int fd = createTemp(target, tempPath, err);
  if (fd < 0) {
    result.error = describeError("Cannot write", path, err);
    return result;
  }

  // From here on every failure removes the temporary file.
  auto fail = [&](const char* what, int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(tempPath.c_str());
    result.error = describeError(what, path, error);
    return result;
  };

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    // Owner first: changing it may clear set-id bits that fchmod restores.
    // Only a privileged process can give the file away, and failing to is
    // no reason to refuse the write.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) return fail("Cannot set the permissions for", errno);
  }

  if ((err = writeAll(fd, bytes)) != 0) return fail("Cannot write", err);
  const bool synced = durability == Durability::Synced;
  if (synced && ((err = QUILLAN_INI_FAULT(SyncTemp)) != 0 || (::fsync(fd) != 0 && (err = errno) != 0))) {
    return fail("Cannot flush", err);
  }
  struct stat written {};
  if (::fstat(fd, &written) != 0) return fail("Cannot examine", errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail("Cannot write", errno);

  if ((err = QUILLAN_INI_FAULT(Rename)) != 0 ||
      (::rename(tempPath.c_str(), target.c_str()) != 0 && (err = errno) != 0)) {
    return fail("Cannot replace", err);
  }
  if (synced) syncDirectory(directoryOf(target));

  result.ok = true;
  result.identity = FileIdentity::of(written);
  return result;
}

void syncFile(const std::string& path) {
  const std::string target = resolveTarget(path);
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  syncDirectory(directoryOf(target));
}

ReplaceLock::ReplaceLock(const std::string& path) {
  fd_ = ::open(directoryOf(resolveTarget(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

ReplaceLock::~ReplaceLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

}  // namespace quillan::ini
