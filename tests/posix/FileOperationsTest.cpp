// Files and directories on the real file system, in a directory of the
// build tree: copies, moves, dates, the attribute mapping (where the file
// system keeps extended attributes) and the directory reader.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/posix/DosAttributes.h"
#include "platform/posix/PosixFileOperations.h"

namespace quillan::posix {
namespace {

namespace fs = std::filesystem;
using os::FileOperations;

class RealFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(QUILLAN_TEST_TMP);
    std::string tmpl = std::string(QUILLAN_TEST_TMP) + "/files-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
  }
  void TearDown() override {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(dir, ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir, ignored);
  }
  std::string path(const std::string& name) const { return dir + "/" + name; }
  void write(const std::string& name, const std::string& bytes, mode_t mode = 0644) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    ::chmod(path(name).c_str(), mode);
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  mode_t modeOf(const std::string& name) const {
    struct stat st {};
    ::stat(path(name).c_str(), &st);
    return st.st_mode & 07777;
  }
  // Whether this file system keeps user extended attributes.
  bool keepsUserAttributes() {
    write("probe", "");
    const bool kept = ::setxattr(path("probe").c_str(), "user.probe", "1", 1, 0) == 0;
    ::unlink(path("probe").c_str());
    return kept;
  }
  std::string stored(const std::string& name) const {
    char value[256];
    const ssize_t n = ::getxattr(path(name).c_str(), kDosAttributeName, value, sizeof value);
    return n < 0 ? std::string("(none)") : std::string(value, static_cast<std::size_t>(n));
  }

  std::string dir;
  PosixFileOperations files;
};

TEST_F(RealFiles, CopyKeepsBytesPermissionsAndDateAndLeavesNoTemporaryFile) {
  write("src", std::string(300000, 'x') + "end", 0750);
  os::LocalDateTime moment{2003, 4, 5, 6, 7, 8};
  ASSERT_TRUE(files.setModificationTime(path("src"), moment));
  ASSERT_TRUE(files.copyFile(path("src"), path("dst"), true));
  EXPECT_EQ(read("dst"), read("src"));
  EXPECT_EQ(modeOf("dst"), 0750u);
  const os::LocalDateTime copied = files.writableFileTime(path("dst")).value_or(os::LocalDateTime{});
  EXPECT_EQ((std::array{copied.year, copied.hour, copied.second}), (std::array{2003, 6, 8}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(RealFiles, CopyReplacesOrRefusesAsAsked) {
  write("src", "new");
  write("dst", "old");
  EXPECT_FALSE(files.copyFile(path("src"), path("dst"), false));
  EXPECT_EQ(read("dst"), "old");
  EXPECT_TRUE(files.copyFile(path("src"), path("dst"), true));
  EXPECT_EQ(read("dst"), "new");
  EXPECT_TRUE(files.copyFile(path("src"), path("fresh"), false));
  EXPECT_EQ(read("fresh"), "new");
  // Backslashes separate as well.
  EXPECT_TRUE(files.copyFile(dir + "\\src", dir + "\\other", true));
  EXPECT_EQ(read("other"), "new");
}

TEST_F(RealFiles, CopyFailuresLeaveTheTargetAlone) {
  write("dst", "old");
  fs::create_directory(path("sub"));
  EXPECT_FALSE(files.copyFile(path("missing"), path("dst"), true));
  EXPECT_FALSE(files.copyFile(path("sub"), path("dst"), true));       // a directory is no file
  EXPECT_FALSE(files.copyFile(path("dst"), path("sub"), true));       // nor a target
  EXPECT_FALSE(files.copyFile(path("dst"), path("none/dst"), true));  // no such directory
  EXPECT_EQ(read("dst"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(RealFiles, MoveRefusesAnExistingTarget) {
  write("a", "A");
  write("b", "B");
  EXPECT_FALSE(files.moveFile(path("a"), path("b")));
  EXPECT_EQ(read("b"), "B");
  fs::create_directory(path("d"));
  EXPECT_TRUE(files.moveFile(path("a"), path("d/a")));
  EXPECT_EQ(read("d/a"), "A");
  EXPECT_TRUE(files.moveFile(path("d"), path("e")));
  EXPECT_EQ(read("e/a"), "A");
}

TEST_F(RealFiles, DeleteSparesReadOnlyFilesAndDirectories) {
  write("ro", "x", 0444);
  write("rw", "x");
  fs::create_directory(path("d"));
  EXPECT_FALSE(files.deleteFile(path("ro")));
  EXPECT_FALSE(files.deleteFile(path("d")));
  EXPECT_TRUE(files.deleteFile(path("rw")));
  EXPECT_TRUE(fs::exists(path("ro")));
  EXPECT_FALSE(fs::exists(path("rw")));
}

TEST_F(RealFiles, ModificationTimeGoesInTwoSecondSteps) {
  write("f", "");
  ASSERT_TRUE(files.setModificationTime(path("f"), os::LocalDateTime{2010, 12, 31, 23, 59, 59}));
  const os::LocalDateTime t = files.writableFileTime(path("f")).value_or(os::LocalDateTime{});
  EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}), (std::array{2010, 12, 31, 23, 59, 58}));
  write("ro", "", 0444);
  EXPECT_FALSE(files.writableFileTime(path("ro")));
  EXPECT_FALSE(files.writableFileTime(path("missing")));
}

TEST_F(RealFiles, ReadOnlyIsTheOwnersWriteBit) {
  write("f", "", 0666);
  ASSERT_TRUE(files.setAttributes(path("f"), os::kReadOnly));
  EXPECT_EQ(modeOf("f"), 0444u);
  EXPECT_EQ(files.attributes(path("f")), os::kReadOnly);
  ASSERT_TRUE(files.setAttributes(path("f"), 0));
  EXPECT_EQ(modeOf("f"), 0644u);  // only the owner's write bit comes back
  EXPECT_EQ(files.attributes(path("f")), 0);
  fs::create_directory(path(".dotdir"));
  EXPECT_EQ(files.attributes(path(".dotdir")), os::kDirectory | os::kHidden);
  EXPECT_FALSE(files.attributes(path("missing")));
}

TEST_F(RealFiles, HiddenSystemAndArchiveLiveInTheExtendedAttribute) {
  if (!keepsUserAttributes()) GTEST_SKIP() << "the file system under " << dir << " keeps no user extended attributes";
  write("f", "");
  EXPECT_EQ(stored("f"), "(none)");
  ASSERT_TRUE(files.setAttributes(path("f"), os::kHidden | os::kArchive));
  EXPECT_EQ(stored("f"), "0x22");
  EXPECT_EQ(files.attributes(path("f")), os::kHidden | os::kArchive);
  ASSERT_TRUE(files.setAttributes(path("f"), os::kReadOnly | os::kSystem));
  EXPECT_EQ(stored("f"), "0x5");  // read-only is written too, for servers that read it there
  EXPECT_EQ(files.attributes(path("f")), os::kReadOnly | os::kSystem);
  // While read-only, hidden can still be changed.
  ASSERT_TRUE(files.setAttributes(path("f"), os::kReadOnly | os::kHidden));
  EXPECT_EQ(files.attributes(path("f")), os::kReadOnly | os::kHidden);
  EXPECT_EQ(modeOf("f"), 0444u);
}

TEST_F(RealFiles, AttributesAServerStoredAreReadAndItsOtherBitsKept) {
  if (!keepsUserAttributes()) GTEST_SKIP() << "the file system under " << dir << " keeps no user extended attributes";
  write("f", "");
  // The text word, a NUL and binary fields after it, as a file server may
  // store them; 0x80 is a bit scripts do not know.
  const std::string value("0xa4\0\x03\x00\x03\x00", 9);
  ASSERT_EQ(::setxattr(path("f").c_str(), kDosAttributeName, value.data(), value.size(), 0), 0);
  EXPECT_EQ(files.attributes(path("f")), os::kSystem | os::kArchive);
  ASSERT_TRUE(files.setAttributes(path("f"), os::kHidden));
  EXPECT_EQ(stored("f"), "0x82");
  // A copy takes the attributes along.
  ASSERT_TRUE(files.copyFile(path("f"), path("g"), true));
  EXPECT_EQ(files.attributes(path("g")), os::kHidden);
}

TEST_F(RealFiles, ADotNameCannotBeUnhidden) {
  write(".f", "");
  EXPECT_FALSE(files.setAttributes(path(".f"), 0));
  EXPECT_EQ(files.attributes(path(".f")), os::kHidden);
}

TEST_F(RealFiles, DirectoriesAreMadeChangedToAndRemovedWhenEmpty) {
  EXPECT_TRUE(files.createDirectory(path("d")));
  EXPECT_FALSE(files.createDirectory(path("d")));
  EXPECT_FALSE(files.createDirectory(path("x/y")));
  EXPECT_TRUE(files.isDirectory(dir + "\\d"));
  write("d/f", "");
  EXPECT_FALSE(files.removeDirectory(path("d")));
  const fs::path before = fs::current_path();
  EXPECT_TRUE(files.changeDirectory(path("d")));
  EXPECT_EQ(fs::current_path(), fs::canonical(path("d")));
  fs::current_path(before);
  EXPECT_FALSE(files.changeDirectory(path("none")));
  ::unlink(path("d/f").c_str());
  EXPECT_TRUE(files.removeDirectory(path("d")));
}

TEST_F(RealFiles, DirectoryEntriesCarryTheirFacts) {
  write("a.txt", "12345");
  write(".h", "");
  fs::create_directory(path("sub"));
  fs::create_directory_symlink(path("sub"), path("link"));
  std::map<std::string, os::DirectoryEntry> seen;
  ASSERT_TRUE(files.readDirectory(
      dir,
      [](std::string_view name, FileOperations::EntryKind) {
        return name == "a.txt" ? FileOperations::Look::Full : FileOperations::Look::Brief;
      },
      [&](const os::DirectoryEntry& e) {
        seen[e.name] = e;
        return true;
      }));
  ASSERT_EQ(seen.size(), 4u);  // no "." or ".."
  EXPECT_EQ(seen["a.txt"].size, 5u);
  EXPECT_EQ(seen["a.txt"].attributes, 0);
  EXPECT_EQ(seen[".h"].attributes, os::kHidden);
  EXPECT_EQ(seen["sub"].attributes, os::kDirectory);
  EXPECT_FALSE(seen["sub"].symbolicLink);
  EXPECT_EQ(seen["link"].attributes, os::kDirectory);
  EXPECT_TRUE(seen["link"].symbolicLink);
  EXPECT_FALSE(files.readDirectory(
      path("none"), [](std::string_view, FileOperations::EntryKind) { return FileOperations::Look::Full; },
      [](const os::DirectoryEntry&) { return true; }));
}

TEST_F(RealFiles, VolumeFacts) {
  const std::optional<os::VolumeSpace> space = files.volumeSpace(dir);
  ASSERT_TRUE(space);
  EXPECT_GT(space->totalKb, 0u);
  EXPECT_LE(space->freeKb, space->totalKb);
  EXPECT_TRUE(files.volumeLabel(dir));
  EXPECT_NE(files.driveType(dir), os::DriveType::Unknown);
  EXPECT_FALSE(files.volumeSpace(path("none")));
  EXPECT_FALSE(files.volumeLabel(path("none")));
}

}  // namespace
}  // namespace quillan::posix
