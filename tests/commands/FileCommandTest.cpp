#include <gtest/gtest.h>

#include <functional>

#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using fake::FakeFileSystem;

// Every case starts from this tree (the current directory is /work).
void standardTree(FakeFileSystem& fs) {
  fs.addFile("/work/a.txt", "alpha");
  fs.addFile("/work/b.txt", "bravo");
  fs.addFile("/work/ro.txt", "locked", os::kReadOnly);
  fs.addFile("/work/full/inside.txt", "x");
  fs.addDirectory("/work/empty");
  fs.times["/work/a.txt"] = os::LocalDateTime{2020, 5, 17, 13, 45, 31};
}

struct FileCase {
  const char* name;
  const char* line;
  int error;
  bool success;  // the flag afterwards (it is true before every case)
  std::function<void(FakeFileSystem&)> check;
};

class FileCommands : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileCommands, DoWhatTheLineSays) {
  const FileCase& c = GetParam();
  testing::ScriptHarness h;
  standardTree(h.fs);
  h.rt.success = true;
  h.setLine(c.line);
  const core::Command command =
      std::string_view(c.line).substr(0, 4) == "FILE" ? core::Command::File : core::Command::Directory;
  (*h.rt.commands)[command](h.rt);
  EXPECT_EQ(h.rt.error, c.error);
  EXPECT_EQ(h.rt.success, c.success);
  if (c.check) c.check(h.fs);
}

std::uint8_t bits(FakeFileSystem& fs, const char* path) { return fs.attributes(path).value_or(0xFF); }

os::LocalDateTime timeOf(FakeFileSystem& fs, const char* path) { return fs.times.at(path); }

const auto unchanged = [](FakeFileSystem& fs) {
  EXPECT_EQ(fs.files.at("/work/a.txt"), "alpha");
  EXPECT_EQ(fs.files.at("/work/b.txt"), "bravo");
};

INSTANTIATE_TEST_SUITE_P(
    FileAndDirectory, FileCommands,
    ::testing::Values(FileCase{"CopyMakesANewFile", "FILE COPY,a.txt,c.txt", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/c.txt"), "alpha"); }},
                      FileCase{"CopyReplacesAnExistingTarget", "FILE COPY,a.txt,b.txt", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/b.txt"), "alpha"); }},
                      FileCase{"WarnOverwriteRefusesAnExistingTarget", "FILE COPY,a.txt,b.txt,warnoverwrite", 0, false,
                               unchanged},
                      FileCase{"WarnOverwriteCopiesToANewName", "FILE COPY,a.txt,new.txt,WARNOVERWRITE", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/new.txt"), "alpha"); }},
                      FileCase{"OtherModeWordsReplace", "FILE COPY,a.txt,b.txt,WARN", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/b.txt"), "alpha"); }},
                      FileCase{"BothSeparatorsWork", "FILE COPY,\\work\\a.txt,/work/full/c.txt", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/full/c.txt"), "alpha"); }},
                      FileCase{"CopyOfAMissingFileFails", "FILE COPY,none.txt,c.txt", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.count("/work/c.txt"), 0u); }},
                      FileCase{"CopyKeepsTheDate", "FILE COPY,a.txt,c.txt", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(timeOf(fs, "/work/c.txt").minute, 45); }},
                      FileCase{"CopyWithoutTargetIsError2", "FILE COPY,a.txt", 2, true, unchanged},
                      FileCase{"RenameMoves", "FILE RENAME,a.txt,full/z.txt", 0, true,
                               [](FakeFileSystem& fs) {
                                 EXPECT_EQ(fs.files.count("/work/a.txt"), 0u);
                                 EXPECT_EQ(fs.files.at("/work/full/z.txt"), "alpha");
                               }},
                      FileCase{"RenameRefusesAnExistingTarget", "FILE RENAME,a.txt,b.txt", 0, false, unchanged},
                      FileCase{"RenameMovesADirectory", "FILE RENAME,full,moved", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.at("/work/moved/inside.txt"), "x"); }},
                      FileCase{"RenameWithoutTargetIsError2", "FILE RENAME,a.txt,", 2, true, unchanged},
                      FileCase{"DeleteRemoves", "FILE DELETE,a.txt", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.count("/work/a.txt"), 0u); }},
                      FileCase{"DeleteOfAMissingFileFails", "FILE DELETE,none.txt", 0, false, unchanged},
                      FileCase{"DeleteKeepsAReadOnlyFile", "FILE DELETE,ro.txt", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.count("/work/ro.txt"), 1u); }},
                      FileCase{"DeleteLeavesDirectoriesAlone", "FILE DELETE,empty", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_TRUE(fs.isDirectory("/work/empty")); }},
                      FileCase{"SubCommandByPosition", "FILE SET,a.txt,2001-02-03", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(timeOf(fs, "/work/a.txt").year, 2001); }},
                      FileCase{"SubCommandInsideAWordIsError14", "FILE DATE,a.txt", 14, true, unchanged},
                      FileCase{"NoSubCommandIsError2", "FILE", 2, true, unchanged},
                      FileCase{"NoFileIsError2", "FILE DELETE", 2, true, unchanged},
                      FileCase{"SetDateKeepsTheTimeOfDay", "FILE SETDATE,a.txt,2001-02-03", 0, true,
                               [](FakeFileSystem& fs) {
                                 const os::LocalDateTime t = timeOf(fs, "/work/a.txt");
                                 EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}),
                                           (std::array{2001, 2, 3, 13, 45, 30}));
                               }},
                      FileCase{"SetDateTimeKeepsTheDate", "FILE SETDATE,a.txt,,8:05:07", 0, true,
                               [](FakeFileSystem& fs) {
                                 const os::LocalDateTime t = timeOf(fs, "/work/a.txt");
                                 EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}),
                                           (std::array{2020, 5, 17, 8, 5, 6}));
                               }},
                      FileCase{"SetDateTwelveHourClock", "FILE SETDATE,a.txt,2001-02-03,2:30 pm", 0, true,
                               [](FakeFileSystem& fs) {
                                 EXPECT_EQ(timeOf(fs, "/work/a.txt").hour, 14);
                                 EXPECT_EQ(timeOf(fs, "/work/a.txt").minute, 30);
                               }},
                      FileCase{"SetDateBadFieldsKeepTheFileTime", "FILE SETDATE,a.txt,31/31/31,25:00", 0, true,
                               [](FakeFileSystem& fs) {
                                 const os::LocalDateTime t = timeOf(fs, "/work/a.txt");
                                 EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}),
                                           (std::array{2020, 5, 17, 13, 45, 30}));
                               }},
                      FileCase{"SetDateOnAReadOnlyFileFails", "FILE SETDATE,ro.txt,2001-02-03", 0, false, nullptr},
                      FileCase{"SetDateOnAMissingFileFails", "FILE SETDATE,none.txt", 0, false, nullptr},
                      FileCase{"SetAttrPlusRMinusH", "FILE SETATTR,a.txt,+R-H", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(bits(fs, "/work/a.txt"), os::kReadOnly); }},
                      FileCase{
                          "SetAttrStartsInSetMode", "FILE SETATTR,a.txt,hsa", 0, true,
                          [](FakeFileSystem&
                                 fs) { EXPECT_EQ(bits(fs, "/work/a.txt"), os::kHidden | os::kSystem | os::kArchive); }},
                      FileCase{"SetAttrClearingWhatIsNotSet", "FILE SETATTR,a.txt,-R", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(bits(fs, "/work/a.txt"), 0); }},
                      FileCase{"SetAttrClearsReadOnly", "FILE SETATTR,ro.txt,-r", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(bits(fs, "/work/ro.txt"), 0); }},
                      FileCase{
                          "SetAttrBadLetterIsError13AndTheRestApplies", "FILE SETATTR,a.txt,+RX-H+S", 13, true,
                          [](FakeFileSystem& fs) { EXPECT_EQ(bits(fs, "/work/a.txt"), os::kReadOnly | os::kSystem); }},
                      FileCase{"SetAttrOnAMissingFileFailsWithoutError", "FILE SETATTR,none.txt,+R", 0, false, nullptr},
                      FileCase{"DirectoryCreate", "DIRECTORY CREATE,new", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_TRUE(fs.isDirectory("/work/new")); }},
                      FileCase{"DirectoryCreateThreeLevels", "DIRECTORY CREATE,empty\\one/two\\three", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_TRUE(fs.isDirectory("/work/empty/one/two/three")); }},
                      FileCase{"DirectoryCreateTrailingSeparator", "DIRECTORY CREATE,new/", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_TRUE(fs.isDirectory("/work/new")); }},
                      FileCase{"DirectoryCreateExistingFails", "DIRECTORY CREATE,empty", 0, false, nullptr},
                      FileCase{"DirectoryCreateUnderAFileFails", "DIRECTORY CREATE,a.txt/sub", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_FALSE(fs.isDirectory("/work/a.txt/sub")); }},
                      FileCase{"DirectoryChange", "DIRECTORY CHANGE,full", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.currentDir, "/work/full"); }},
                      FileCase{"DirectoryChangeToMissingFails", "DIRECTORY CHANGE,none", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.currentDir, "/work"); }},
                      FileCase{"DirectoryDeleteEmpty", "DIRECTORY DELETE,empty", 0, true,
                               [](FakeFileSystem& fs) { EXPECT_FALSE(fs.isDirectory("/work/empty")); }},
                      FileCase{"DirectoryDeleteKeepsOneWithFiles", "DIRECTORY DELETE,full", 0, false,
                               [](FakeFileSystem& fs) { EXPECT_EQ(fs.files.count("/work/full/inside.txt"), 1u); }},
                      FileCase{"DirectorySubCommandByPosition", "DIRECTORY CH,full", 0, true, nullptr},
                      FileCase{"DirectoryUnknownSubCommandIsError14", "DIRECTORY REMOVE,empty", 14, true, nullptr},
                      FileCase{"DirectoryWithoutPathIsError2", "DIRECTORY CREATE,", 2, true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Failures in the middle of an operation, planned in the fake.
struct FaultCase {
  const char* name;
  const char* line;
  const char* operation;
  int call;
};

class FileFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FileFaults, ClearTheFlagAndKeepTheFiles) {
  const FaultCase& c = GetParam();
  testing::ScriptHarness h;
  standardTree(h.fs);
  const auto before = h.fs.files;
  const auto directories = h.fs.directories;
  h.fs.faults.failCall(c.operation, c.call, EIO);
  h.run({c.line, "%R = @ok()"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "");
  EXPECT_EQ(h.fs.files, before);  // no half copy, no temporary file left behind
  if (std::string_view(c.line).find("CREATE") != std::string_view::npos) {
    EXPECT_EQ(h.fs.directories.count("/work/x/y"), 0u);
  } else {
    EXPECT_EQ(h.fs.directories, directories);
  }
}

INSTANTIATE_TEST_SUITE_P(FileAndDirectory, FileFaults,
                         ::testing::Values(FaultCase{"CopyInterruptedHalfway", "FILE COPY,a.txt,b.txt", "copyWrite", 1},
                                           FaultCase{"CopyRefused", "FILE COPY,a.txt,c.txt", "copyFile", 1},
                                           FaultCase{"Rename", "FILE RENAME,a.txt,c.txt", "moveFile", 1},
                                           FaultCase{"Delete", "FILE DELETE,a.txt", "deleteFile", 1},
                                           FaultCase{"SetDate", "FILE SETDATE,a.txt,2001-01-01", "setModificationTime",
                                                     1},
                                           FaultCase{"SetAttr", "FILE SETATTR,a.txt,+H", "setAttributes", 1},
                                           FaultCase{"CreateLastLevel", "DIRECTORY CREATE,x/y", "createDirectory", 3},
                                           FaultCase{"Change", "DIRECTORY CHANGE,full", "changeDirectory", 1},
                                           FaultCase{"Remove", "DIRECTORY DELETE,empty", "removeDirectory", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileSetAttr, UnkeepableAttributesClearTheFlag) {
  testing::ScriptHarness h;
  standardTree(h.fs);
  h.fs.noStoredAttributes.insert("/work/a.txt");
  h.run({"FILE SETATTR,a.txt,+R", "%A = @ok()", "FILE SETATTR,a.txt,+H", "%B = @ok()"});
  EXPECT_EQ(h.var('A'), "1");  // read-only needs no extended attribute
  EXPECT_EQ(h.var('B'), "");
  EXPECT_EQ(h.fs.attributes("/work/a.txt"), os::kReadOnly);
}

TEST(FileSetAttr, ADotNameStaysHidden) {
  testing::ScriptHarness h;
  h.fs.addFile("/work/.profile", "");
  h.run({"FILE SETATTR,.profile,-H", "%A = @ok()"});
  EXPECT_EQ(h.var('A'), "");
  EXPECT_EQ(h.fs.attributes("/work/.profile"), os::kHidden);
}

}  // namespace
}  // namespace quillan
