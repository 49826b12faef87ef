// One INI file on disk: defaults, truncation, the parse cache and the way
// writes create and replace the file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/ini/ProfileFile.h"

namespace quillan::ini {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(ProfileFile, MissingFileReadsAsEmptyAndReadsCreateNothing) {
  TempDir dir;
  ProfileFile ini(dir.file("none.ini"));
  EXPECT_EQ(ini.getString("s", "k", "dflt"), "dflt");
  EXPECT_TRUE(ini.keys("s").empty());
  EXPECT_TRUE(ini.sections().empty());
  EXPECT_EQ(ini.keyList("s"), std::string(2, '\0'));
  EXPECT_TRUE(ini.writeString("s", "k", std::nullopt)) << "deleting a missing key succeeds";
  EXPECT_TRUE(ini.eraseSection("s"));
  EXPECT_TRUE(ini.lastError().empty());
  EXPECT_TRUE(dir.entries().empty());
}

TEST(ProfileFile, FirstWriteCreatesTheFileInCrlf) {
  TempDir dir;
  ProfileFile ini(dir.file("new.ini"));
  ASSERT_TRUE(ini.writeString("App", "key", "string")) << ini.lastError();
  EXPECT_EQ(readBytes(dir.file("new.ini")), "[App]\r\nkey=string\r\n");
  ASSERT_TRUE(ini.writeString("App", "empty", ""));
  EXPECT_EQ(readBytes(dir.file("new.ini")), "[App]\r\nkey=string\r\nempty=\r\n");
}

struct TruncationCase {
  const char* name;
  const char* key;  // "k" holds "abcdef", "u" holds "xé" (UTF-16 file only)
  const char* defaultValue;
  std::size_t bufferSize;
  std::string expected;
};

class GetStringTruncation : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(GetStringTruncation, CutsLikeAFixedBuffer) {
  const TruncationCase& c = GetParam();
  TempDir dir;
  writeBytes(dir.file("t.ini"), "[s]\r\nk=abcdef\r\n");
  ProfileFile ini(dir.file("t.ini"));
  EXPECT_EQ(ini.getString("s", c.key, c.defaultValue, c.bufferSize), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ini, GetStringTruncation,
    ::testing::Values(TruncationCase{"Fits", "k", "", 7, "abcdef"},
                      TruncationCase{"OneShortCutsToNMinus1", "k", "", 6, "abcde"},
                      TruncationCase{"SizeOneGivesEmpty", "k", "", 1, ""},
                      TruncationCase{"SizeZeroGivesEmpty", "k", "", 0, ""},
                      TruncationCase{"DefaultTrailingSpacesRemoved", "none", "default  ", 1024, "default"},
                      TruncationCase{"DefaultLeadingSpacesKept", "none", "  d ", 1024, "  d"},
                      TruncationCase{"DefaultCutToo", "none", "default", 4, "def"},
                      TruncationCase{"FoundValueKeepsItsSpacesInQuotes", "k", "x ", 1024, "abcdef"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFile, LongValueCutTo1023ByDefault) {
  TempDir dir;
  writeBytes(dir.file("t.ini"), "[s]\nk=" + std::string(2000, 'v') + "\n");
  ProfileFile ini(dir.file("t.ini"));
  EXPECT_EQ(ini.getString("s", "k", "").size(), 1023u);
}

TEST(ProfileFile, Utf16ValueCutBetweenCharacters) {
  TempDir dir;
  const std::string file("\xFF\xFE[\0s\0]\0\n\0k\0=\0x\0\xE9\0\n\0", 20);
  writeBytes(dir.file("w.ini"), file);
  ProfileFile ini(dir.file("w.ini"));
  EXPECT_EQ(ini.getString("s", "k", "", 4), "x\xC3\xA9");
  EXPECT_EQ(ini.getString("s", "k", "", 3), "x") << "half of the é is left out";
}

struct KeyListCase {
  const char* name;
  std::size_t bufferSize;
  std::string expected;
};

class KeyListTruncation : public ::testing::TestWithParam<KeyListCase> {};

TEST_P(KeyListTruncation, StillEndsInTwoNuls) {
  TempDir dir;
  writeBytes(dir.file("k.ini"), "[s]\nab=1\n=hidden\ncd=2\nloose\nef=3\n");
  ProfileFile ini(dir.file("k.ini"));
  EXPECT_EQ(ini.keyList("s", GetParam().bufferSize), GetParam().expected);
}

using std::string_literals::operator""s;
INSTANTIATE_TEST_SUITE_P(
    Ini, KeyListTruncation,
    ::testing::Values(KeyListCase{"Fits", 10, "ab\0cd\0ef\0\0"s}, KeyListCase{"Default", 8192, "ab\0cd\0ef\0\0"s},
                      KeyListCase{"CutInsideName", 7, "ab\0cd\0\0"s}, KeyListCase{"CutInsideFirstName", 3, "a\0\0"s},
                      KeyListCase{"CutAfterSeparator", 5, "ab\0\0"s}, KeyListCase{"SizeTwo", 2, "\0\0"s},
                      KeyListCase{"SizeOne", 1, "\0"s}, KeyListCase{"SizeZero", 0, ""s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileCache, ThirtyReadsReadTheFileOnce) {
  TempDir dir;
  std::string text = "[form]\r\n";
  for (int i = 0; i < 30; ++i) text += "key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  writeBytes(dir.file("r.ini"), text);
  ProfileFile ini(dir.file("r.ini"));
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(ini.getString("form", "key" + std::to_string(i), ""), std::to_string(i));
  }
  ini.keys("form");
  ini.keyList("form");
  ini.sections();
  EXPECT_EQ(ini.readCount(), 1u);
}

TEST(ProfileFileCache, OwnWritesDoNotRereadTheFile) {
  TempDir dir;
  writeBytes(dir.file("r.ini"), "[s]\nk=1\n");
  ProfileFile ini(dir.file("r.ini"));
  EXPECT_EQ(ini.getString("s", "k", ""), "1");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(ini.writeString("s", "n" + std::to_string(i), "v"));
  ASSERT_TRUE(ini.eraseSection("s"));
  ASSERT_TRUE(ini.writeString("s", "k", "2"));
  EXPECT_EQ(ini.getString("s", "k", ""), "2");
  EXPECT_EQ(ini.readCount(), 1u);
  EXPECT_EQ(readBytes(dir.file("r.ini")), "[s]\nk=2\n");
}

TEST(ProfileFileCache, ChangesByOthersAreSeen) {
  TempDir dir;
  const std::string path = dir.file("r.ini");
  writeBytes(path, "[s]\nk=1\n");
  ProfileFile ini(path);
  EXPECT_EQ(ini.getString("s", "k", ""), "1");

  // Another program rewrites the file in place.
  writeBytes(path, "[s]\nk=22\n");
  EXPECT_EQ(ini.getString("s", "k", ""), "22");
  EXPECT_EQ(ini.readCount(), 2u);

  // Another writer of ours replaces it; same size, and the old time forced
  // back on, so only the new inode tells the files apart.
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ProfileFile other(path);
  ASSERT_TRUE(other.writeString("s", "k", "33"));
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_EQ(ini.getString("s", "k", ""), "33");

  // Deleted: back to defaults, and a write creates it anew.
  ASSERT_EQ(::unlink(path.c_str()), 0);
  EXPECT_EQ(ini.getString("s", "k", "gone"), "gone");
  ASSERT_TRUE(ini.writeString("s", "k", "4"));
  EXPECT_EQ(readBytes(path), "[s]\r\nk=4\r\n");
}

TEST(ProfileFile, EditAppliesSeveralChangesInOneWrite) {
  TempDir dir;
  writeBytes(dir.file("e.ini"), "; rules\r\n[unit]\r\ncost=1\r\nspeed=2\r\n");
  ProfileFile ini(dir.file("e.ini"));
  ASSERT_TRUE(ini.edit([](IniDocument& doc) {
    doc.eraseSection("unit");
    doc.set("unit", "cost", "5");
    doc.set("unit", "speed", "");
  }));
  EXPECT_EQ(readBytes(dir.file("e.ini")), "; rules\r\n[unit]\r\ncost=5\r\nspeed=\r\n");
}

TEST(ProfileFile, UnchangedEditWritesNothing) {
  TempDir dir;
  const std::string path = dir.file("u.ini");
  writeBytes(path, "[s]\nk = v\n");
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ProfileFile ini(path);
  EXPECT_TRUE(ini.writeString("s", "k", "v"));
  EXPECT_TRUE(ini.writeString("s", "missing", std::nullopt));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(ProfileFile, Utf16FileWrittenBackAsUtf16) {
  TempDir dir;
  const std::string path = dir.file("w.ini");
  writeBytes(path, std::string("\xFF\xFE[\0s\0]\0\r\0\n\0", 12));
  ProfileFile ini(path);
  ASSERT_TRUE(ini.writeString("s", "k", "\xC3\xA9"));
  EXPECT_EQ(readBytes(path), std::string("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22));
  EXPECT_EQ(ProfileFile(path).getString("s", "k", ""), "\xC3\xA9");
}

TEST(ProfileFile, PermissionBitsSurviveAWrite) {
  TempDir dir;
  const std::string path = dir.file("p.ini");
  writeBytes(path, "[s]\nk=1\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ProfileFile ini(path);
  ASSERT_TRUE(ini.writeString("s", "k", "2"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ProfileFile, SymbolicLinkIsWrittenThrough) {
  TempDir dir;
  writeBytes(dir.file("real.ini"), "[s]\nk=1\n");
  ASSERT_EQ(::symlink("real.ini", dir.file("link.ini").c_str()), 0);
  ProfileFile ini(dir.file("link.ini"));
  ASSERT_TRUE(ini.writeString("s", "k", "2")) << ini.lastError();
  struct stat st {};
  ASSERT_EQ(::lstat(dir.file("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(readBytes(dir.file("real.ini")), "[s]\nk=2\n");
}

struct UnwritableCase {
  const char* name;
  std::string relativePath;  // under the test directory
  const char* reason;
};

class UnwritablePlace : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritablePlace, WriteFailsWithPathAndReason) {
  TempDir dir;
  writeBytes(dir.file("plain"), "not a directory");
  const std::string path = dir.file(GetParam().relativePath);
  ProfileFile ini(path);
  EXPECT_FALSE(ini.writeString("s", "k", "v"));
  EXPECT_NE(ini.lastError().find(path), std::string::npos) << ini.lastError();
  EXPECT_NE(ini.lastError().find(GetParam().reason), std::string::npos) << ini.lastError();
  EXPECT_EQ(ini.getString("s", "k", "d"), "d");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"plain"});
}

INSTANTIATE_TEST_SUITE_P(Ini, UnwritablePlace,
                         ::testing::Values(UnwritableCase{"MissingDirectory", "no/such/dir/x.ini",
                                                          "No such file or directory"},
                                           UnwritableCase{"ParentIsAFile", "plain/x.ini", "Not a directory"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Exit status of the check: 0 when the write was refused with the reason.
int refusedWithPermissionDenied(const std::string& path) {
  ProfileFile ini(path);
  if (ini.writeString("s", "k", "v")) return 1;
  return ini.lastError().find("Permission denied") == std::string::npos ? 2 : 0;
}

TEST(ProfileFile, ReadOnlyDirectoryGivesFailure) {
  TempDir dir;
  const std::string sub = dir.file("ro");
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(sub.c_str(), 0555), 0);
  const std::string path = sub + "/x.ini";
  if (::geteuid() != 0) {
    EXPECT_EQ(refusedWithPermissionDenied(path), 0);
    return;
  }
  // Root may write anywhere: check as an unprivileged user in a child.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    ::_exit(refusedWithPermissionDenied(path));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: written, 2: other reason, 3: could not drop privileges";
  EXPECT_TRUE(::access(path.c_str(), F_OK) != 0);
}

TEST(ProfileFile, FileThatCannotBeReadIsNotOverwritten) {
  // A directory stands in for any file we cannot read: writing our view of
  // it (empty) would destroy what we could not see.
  TempDir dir;
  const std::string path = dir.file("dir.ini");
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  ProfileFile ini(path);
  EXPECT_EQ(ini.getString("s", "k", "d"), "d");
  EXPECT_FALSE(ini.writeString("s", "k", "v"));
  EXPECT_NE(ini.lastError().find(path), std::string::npos);
  EXPECT_NE(ini.lastError().find("Is a directory"), std::string::npos) << ini.lastError();
}

TEST(ProfileFile, NamesThatCannotBeStoredAreRefused) {
  TempDir dir;
  ProfileFile ini(dir.file("n.ini"));
  EXPECT_FALSE(ini.writeString("a]b", "k", "v"));
  EXPECT_NE(ini.lastError().find("section name"), std::string::npos);
  EXPECT_FALSE(ini.writeString("s", "k=x", "v"));
  EXPECT_NE(ini.lastError().find("key name"), std::string::npos);
  EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace quillan::ini
