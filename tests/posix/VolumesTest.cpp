// The pure parts of the drive facts: the kernel's mount table lines, the
// choice of the mount that holds a path, types of file systems, and the
// attribute word's text form.
#include <gtest/gtest.h>
#include <sys/sysmacros.h>

#include "platform/posix/DosAttributes.h"
#include "platform/posix/Volumes.h"

namespace quillan::posix {
namespace {

TEST(MountInfo, LinesOfTheKernelsShape) {
  const auto root = parseMountInfoLine("24 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw");
  ASSERT_TRUE(root);
  EXPECT_EQ(root->major, 8u);
  EXPECT_EQ(root->minor, 2u);
  EXPECT_EQ(root->mountPoint, "/");
  EXPECT_EQ(root->type, "ext4");
  EXPECT_EQ(root->source, "/dev/sda2");
  const auto spaced = parseMountInfoLine("40 24 0:35 / /mnt/my\\040disk rw - fuse.sshfs me@host:/x rw");
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->mountPoint, "/mnt/my disk");
  EXPECT_EQ(spaced->type, "fuse.sshfs");
  const auto noOptional = parseMountInfoLine("41 24 0:36 / /run rw - tmpfs tmpfs rw");
  ASSERT_TRUE(noOptional);
  EXPECT_EQ(noOptional->type, "tmpfs");
  for (const char* bad : {"", "24 1 8:2 / / rw", "24 1 8-2 / / rw - ext4 /dev/sda2 rw", "24 1 8:2 / / rw - ext4",
                          "24 1 x:2 / / rw - ext4 /dev/sda2 rw"})
    EXPECT_FALSE(parseMountInfoLine(bad)) << bad;
}

TEST(MountInfo, TheMountThatHoldsAPath) {
  const std::vector<MountEntry> table = {{8, 2, "/", "ext4", "/dev/sda2"},
                                         {0, 40, "/home", "btrfs", "/dev/sdb1"},
                                         {0, 41, "/home/user/net", "nfs4", "srv:/x"},
                                         {8, 2, "/srv", "ext4", "/dev/sda2"}};
  EXPECT_EQ(findMount(table, makedev(0, 41), "/anything")->mountPoint, "/home/user/net");
  EXPECT_EQ(findMount(table, makedev(8, 2), "/x")->mountPoint, "/srv");  // the last mount of a device
  // A subvolume's own device: by the longest mount point that leads there.
  EXPECT_EQ(findMount(table, makedev(0, 99), "/home/user/doc")->mountPoint, "/home");
  EXPECT_EQ(findMount(table, makedev(0, 99), "/homely")->mountPoint, "/");
  EXPECT_EQ(findMount({}, makedev(0, 99), "/x"), nullptr);
}

TEST(DriveTypes, ByTheFileSystemsType) {
  EXPECT_EQ(driveTypeOfFileSystem("tmpfs"), os::DriveType::Ram);
  EXPECT_EQ(driveTypeOfFileSystem("nfs4"), os::DriveType::Network);
  EXPECT_EQ(driveTypeOfFileSystem("cifs"), os::DriveType::Network);
  EXPECT_EQ(driveTypeOfFileSystem("fuse.sshfs"), os::DriveType::Network);
  EXPECT_EQ(driveTypeOfFileSystem("iso9660"), os::DriveType::CdRom);
  EXPECT_EQ(driveTypeOfFileSystem("ext4"), os::DriveType::Unknown);  // the block device decides
}

TEST(DriveTypes, LabelsAsUdevEscapesThem) {
  EXPECT_EQ(decodeLabelName("My\\x20Disk"), "My Disk");
  EXPECT_EQ(decodeLabelName("a\\x2fb"), "a/b");
  EXPECT_EQ(decodeLabelName("odd\\x2"), "odd\\x2");
  EXPECT_EQ(decodeLabelName("no\\xzz"), "no\\xzz");
}

TEST(DosAttributeValue, TextWordsAndWhatFollowsThem) {
  const struct {
    std::string value;
    std::optional<std::uint32_t> word;
  } cases[] = {{"0x20", 0x20u},
               {"0X1f", 0x1Fu},
               {std::string("0x22\0\x03\x00", 7), 0x22u},
               {"0x", std::nullopt},
               {"20", std::nullopt},
               {"", std::nullopt},
               {"0x123456789", std::nullopt},
               {"0xffffffff", 0xFFFFFFFFu},
               {std::string("\x00\x00\x03\x00", 4), std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(parseDosAttributeValue(c.value), c.word) << c.value;
  EXPECT_EQ(formatDosAttributeValue(0x26), "0x26");
  EXPECT_EQ(formatDosAttributeValue(0), "0x0");
  EXPECT_EQ(parseDosAttributeValue(formatDosAttributeValue(0xABCDEF01)), 0xABCDEF01u);
}

}  // namespace
}  // namespace quillan::posix
