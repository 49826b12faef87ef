#include "platform/posix/Volumes.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace quillan::posix {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

// The kernel writes a space, tab, newline and backslash in a path as "\"
// and three octal digits.
std::string decodeOctalEscapes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size()) {
      const std::string_view digits = text.substr(i + 1, 3);
      if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string_view::npos) {
        out.push_back(static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0')));
        i += 3;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

bool parseUnsigned(std::string_view text, unsigned& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return true;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string readFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::optional<std::string> canonicalPath(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

constexpr std::array<std::string_view, 3> kRamTypes = {"tmpfs", "ramfs", "devtmpfs"};
constexpr std::array<std::string_view, 14> kNetworkTypes = {"nfs",    "nfs4",  "cifs",       "smb3",       "smbfs",
                                                            "ncpfs",  "afs",   "9p",         "ceph",       "glusterfs",
                                                            "lustre", "davfs", "fuse.sshfs", "fuse.rclone"};
constexpr std::array<std::string_view, 2> kCdTypes = {"iso9660", "udf"};

template <std::size_t N>
bool oneOf(std::string_view type, const std::array<std::string_view, N>& names) {
  for (std::string_view name : names)
    if (type == name) return true;
  return false;
}

}  // namespace

std::optional<MountEntry> parseMountInfoLine(std::string_view line) {
  const std::vector<std::string_view> fields = splitFields(line);
  // id parent major:minor root mount-point options [optional...] - type source super-options
  std::size_t dash = 6;
  while (dash < fields.size() && fields[dash] != "-") ++dash;
  if (fields.size() < 7 || dash + 2 >= fields.size()) return std::nullopt;
  const std::string_view device = fields[2];
  const std::size_t colon = device.find(':');
  MountEntry entry;
  if (colon == std::string_view::npos || !parseUnsigned(device.substr(0, colon), entry.major) ||
      !parseUnsigned(device.substr(colon + 1), entry.minor))
    return std::nullopt;
  entry.mountPoint = decodeOctalEscapes(fields[4]);
  entry.type = decodeOctalEscapes(fields[dash + 1]);
  entry.source = decodeOctalEscapes(fields[dash + 2]);
  return entry;
}

const MountEntry* findMount(const std::vector<MountEntry>& table, dev_t dev, std::string_view canonical) {
  const MountEntry* found = nullptr;
  for (const MountEntry& entry : table)
    if (entry.major == major(dev) && entry.minor == minor(dev)) found = &entry;
  if (found != nullptr) return found;
  std::size_t longest = 0;
  for (const MountEntry& entry : table) {
    const std::string_view point = entry.mountPoint;
    const bool leads = point == "/" || (startsWith(canonical, point) &&
                                        (canonical.size() == point.size() || canonical[point.size()] == '/'));
    if (leads && (found == nullptr || point.size() >= longest)) {
      found = &entry;
      longest = point.size();
    }
  }
  return found;
}

os::DriveType driveTypeOfFileSystem(std::string_view type) {
  if (oneOf(type, kRamTypes)) return os::DriveType::Ram;
  if (oneOf(type, kNetworkTypes)) return os::DriveType::Network;
  if (oneOf(type, kCdTypes)) return os::DriveType::CdRom;
  return os::DriveType::Unknown;
}

std::string decodeLabelName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
      const std::string hex(name.substr(i + 2, 2));
      if (hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
        out.push_back(static_cast<char>(std::strtol(hex.c_str(), nullptr, 16)));
        i += 3;
        continue;
      }
    }
    out.push_back(name[i]);
  }
  return out;
}

std::vector<MountEntry> readMountTable() {
  std::vector<MountEntry> table;
  std::ifstream in("/proc/self/mountinfo");
  for (std::string line; std::getline(in, line);)
    if (std::optional<MountEntry> entry = parseMountInfoLine(line)) table.push_back(std::move(*entry));
  return table;
}

os::DriveType driveTypeOf(const std::string& systemPath) {
  struct stat st {};
  const std::optional<std::string> canonical = canonicalPath(systemPath);
  if (!canonical || ::stat(canonical->c_str(), &st) != 0) return os::DriveType::Unknown;
  const std::vector<MountEntry> table = readMountTable();
  const MountEntry* mount = findMount(table, st.st_dev, *canonical);
  if (mount == nullptr) return os::DriveType::Fixed;
  if (const os::DriveType byType = driveTypeOfFileSystem(mount->type); byType != os::DriveType::Unknown) return byType;
  // A block device: sysfs tells an optical drive by its name and a
  // removable disk by its flag, which a partition keeps on its disk (the
  // directory above the partition's own).
  const std::string block = "/sys/dev/block/" + std::to_string(mount->major) + ":" + std::to_string(mount->minor);
  const std::optional<std::string> device = canonicalPath(block);
  if (!device) return os::DriveType::Fixed;
  const std::string name = device->substr(device->find_last_of('/') + 1);
  if (startsWith(name, "sr")) return os::DriveType::CdRom;
  if (readFirstLine(*device + "/removable") == "1") return os::DriveType::Removable;
  if (readFirstLine(*device + "/partition").empty()) return os::DriveType::Fixed;
  const std::string disk = device->substr(0, device->find_last_of('/'));
  return readFirstLine(disk + "/removable") == "1" ? os::DriveType::Removable : os::DriveType::Fixed;
}

std::optional<std::string> volumeLabelOf(const std::string& systemPath) {
  struct stat st {};
  if (::stat(systemPath.c_str(), &st) != 0) return std::nullopt;
  constexpr const char* kLabels = "/dev/disk/by-label";
  const std::unique_ptr<DIR, DirCloser> dir(::opendir(kLabels));
  if (dir) {
    while (const dirent* entry = ::readdir(dir.get())) {
      if (entry->d_name[0] == '.') continue;
      struct stat device {};
      const std::string link = std::string(kLabels) + "/" + entry->d_name;
      if (::stat(link.c_str(), &device) == 0 && S_ISBLK(device.st_mode) && device.st_rdev == st.st_dev)
        return decodeLabelName(entry->d_name);
    }
  }
  // Mounted by label without udev's links (some containers): the mount
  // table may still name it.
  const std::optional<std::string> canonical = canonicalPath(systemPath);
  const std::vector<MountEntry> table = readMountTable();
  if (const MountEntry* mount = findMount(table, st.st_dev, canonical.value_or(systemPath));
      mount != nullptr && startsWith(mount->source, "LABEL="))
    return mount->source.substr(6);
  return std::string();
}

}  // namespace quillan::posix
