// Which file system a path lies on, and what kind of drive a script should
// think it is: the kernel's mount table (/proc/self/mountinfo), the labels
// udev publishes under /dev/disk/by-label, and the block devices' removable
// flag in sysfs.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/FileOperations.h"

namespace quillan::posix {

struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string mountPoint;  // octal escapes (\040) decoded
  std::string type;        // "ext4", "tmpfs", "fuse.sshfs", ...
  std::string source;      // "/dev/sda1", "server:/export", "tmpfs", ...
};

// One line of /proc/self/mountinfo; nullopt for a line that does not have
// the kernel's shape.
std::optional<MountEntry> parseMountInfoLine(std::string_view line);

// The entry that holds the file system of a path with device dev and
// canonical path canonical: the last mount of that device, or failing that
// (file systems with per-subvolume devices) the longest mount point that
// leads to the path.
const MountEntry* findMount(const std::vector<MountEntry>& table, dev_t dev, std::string_view canonical);

// A kind of drive by the file system's type alone: RAM, network or CD-ROM;
// Unknown when the type does not say (then the block device does).
os::DriveType driveTypeOfFileSystem(std::string_view type);

// A name under /dev/disk/by-label with udev's \xHH escapes decoded.
std::string decodeLabelName(std::string_view name);

// The live system: the mount table, the drive type and the label of the
// file system that holds path; nullopt or Unknown when path cannot be
// reached.
std::vector<MountEntry> readMountTable();
os::DriveType driveTypeOf(const std::string& systemPath);
std::optional<std::string> volumeLabelOf(const std::string& systemPath);

}  // namespace quillan::posix
