#include "runtime/functions/DirectorySearch.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::Flag;
using testing::FunctionCase;

// The fake lists a directory in the order of its paths.
void tree(fake::FakeFileSystem& fs) {
  fs.addFile("/work/dos/.hidden.exe", "");
  fs.addFile("/work/dos/Alpha.EXE", "1234567");
  fs.addFile("/work/dos/beta.exe", "12");
  fs.addFile("/work/dos/readme", "r");
  fs.addFile("/work/dos/sys.exe", "", os::kSystem);
  fs.addFile("/work/dos/old.txt", "", os::kReadOnly | os::kArchive);
  fs.addDirectory("/work/dos/tools.d");
  fs.times["/work/dos/Alpha.EXE"] = os::LocalDateTime{2020, 5, 17, 13, 45, 30};
}

class FileFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(FileFunctions, AnswerFromTheFiles) {
  testing::ScriptHarness h;
  tree(h.fs);
  testing::expectCase(h, GetParam());
}

// 2020-05-17 13:45:30 packed: (40 << 25) | (5 << 21) | (17 << 16) | (13 << 11) | (45 << 5) | 15.
constexpr const char* kAlphaDate = "1353805231";

INSTANTIATE_TEST_SUITE_P(
    Functions, FileFunctions,
    ::testing::Values(
        FunctionCase{"@file(dos\\*.exe)", "dos\\Alpha.EXE"}, FunctionCase{"@file(/work/dos/B*)", "/work/dos/beta.exe"},
        FunctionCase{"@file(dos/?ETA.EXE)", "dos/beta.exe"},
        FunctionCase{"@file(dos\\alpha.exe,ZT)", std::string("7|") + kAlphaDate},
        FunctionCase{"@file(dos\\alpha.exe,FZ)", "dos\\Alpha.EXE|7"},
        FunctionCase{"@file(dos\\alpha.exe,t)", kAlphaDate}, FunctionCase{"@file(dos\\*.*)", "dos\\Alpha.EXE"},
        FunctionCase{"@file(dos\\read*.*)", "dos\\readme"},       // "*.*" takes names without a dot
        FunctionCase{"@file(dos\\*.exe,D)", ""},                  // no directory matches
        FunctionCase{"@file(dos\\*,D)", "dos\\tools.d"},          // the first entry the mask keeps
        FunctionCase{"@file(dos\\*.exe,H)", "dos\\.hidden.exe"},  // a dot name is hidden
        FunctionCase{"@file(dos\\s*)", ""},                       // system files only on request
        FunctionCase{"@file(dos\\s*,S)", "dos\\sys.exe"}, FunctionCase{"@file(dos\\*,R)", "dos\\old.txt"},
        FunctionCase{"@file(dos\\*,A)", "dos\\old.txt"},
        FunctionCase{"@file(dos\\*,RH*)", "dos\\tools.d"},  // "*" keeps only directories
        FunctionCase{"@file(dos\\nothing)", ""}, FunctionCase{"@file(nodir\\*)", ""}, FunctionCase{"@file(dos\\)", ""},
        FunctionCase{"@file()", ""}, FunctionCase{"@path(C:\\A\\B.TXT)", "C:\\A\\"},
        FunctionCase{"@path(/usr/lib/x.so)", "/usr/lib/"}, FunctionCase{"@path(C:x)", "C:"},
        FunctionCase{"@path(plain)", ""}, FunctionCase{"@name(C:\\A\\readme.txt.bak)", "readme"},
        FunctionCase{"@name(/a.b/c)", "c"}, FunctionCase{"@name(.profile)", ""},
        FunctionCase{"@ext(C:\\A\\file.html)", "htm"}, FunctionCase{"@ext(/a.b/c)", ""},
        FunctionCase{"@ext(x.tar.gz)", "gz"}, FunctionCase{"@shortname(dos\\beta.exe)", "dos\\beta.exe"},
        FunctionCase{"@shortname(/work/dos)", "/work/dos"}, FunctionCase{"@shortname(dos\\none)", ""},
        FunctionCase{"@volinfo()", "DATA", Flag::Set}, FunctionCase{"@volinfo(C,FS)", "1000|5000", Flag::Set},
        FunctionCase{"@volinfo(,ntf)", "DATA|Fixed|1000", Flag::Set}, FunctionCase{"@volinfo(,T)", "Fixed"},
        FunctionCase{"@volinfo(,Q)", ""}, FunctionCase{"@verinfo(/work/dos/beta.exe)", "??"},
        FunctionCase{"@verinfo(dos\\none.exe,TV)", "**|"},
        FunctionCase{"@verinfo(dos\\none.exe,VT)", "**"},  // empty values add no separator in front
        FunctionCase{"@verinfo(dos\\none.exe,TQ)", "**", Flag::Untouched, 13},
        FunctionCase{"@verinfo(,T)", "", Flag::Untouched, 11}));

TEST(VolInfo, AFailedQueryClearsTheFlag) {
  testing::ScriptHarness h;
  h.fs.faults.failEveryCall("volumeLabel", EIO);
  h.rt.success = true;
  EXPECT_EQ(testing::evaluate(h, "@volinfo(,FN)"), "1000|");
  EXPECT_FALSE(h.rt.success);
  EXPECT_EQ(testing::evaluate(h, "@volinfo(,NF)"), "1000");  // the empty label at the front takes no separator
  EXPECT_TRUE(h.rt.success);
}

TEST(VolInfo, SizesAboveFourTerabytesKeepEveryDigit) {
  testing::ScriptHarness h;
  h.fs.space = os::VolumeSpace{std::uint64_t{5} << 32, std::uint64_t{9} << 40};
  EXPECT_EQ(testing::evaluate(h, "@volinfo(,FS)"), "21474836480|9895604649984");
}

TEST(FileFunction, TheFieldSeparatorJoinsTheFields) {
  testing::ScriptHarness h;
  tree(h.fs);
  h.rt.settings.fieldSep = ';';
  EXPECT_EQ(testing::evaluate(h, "@file(dos\\beta.exe,FZ)"), "dos\\beta.exe;2");
}

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(Wildcards, MatchWithoutRegardToCase) {
  const WildcardCase cases[] = {{"*", "anything", true},
                                {"*.*", "noext", true},
                                {"*.*", "a.b", true},
                                {"*.txt", "A.TXT", true},
                                {"*.txt", "a.txt.bak", false},
                                {"a?c", "abc", true},
                                {"a?c", "ac", false},
                                {"a*b*c", "aXXbYYc", true},
                                {"a*b*c", "aXXbYY", false},
                                {"*a", "banana", true},
                                {"read*.*", "readme", true},
                                {"read.*", "read", true},
                                {"x.*", "xy", false},
                                {"", "", true},
                                {"?", "", false},
                                {"**.*?", "a.b", true},
                                {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false}};
  for (const WildcardCase& c : cases)
    EXPECT_EQ(functions::matchesWildcards(c.pattern, c.name), c.matches) << c.pattern << " ~ " << c.name;
}

TEST(EntrySelection, LettersChooseMaskAndFields) {
  const struct {
    const char* letters;
    std::uint8_t mask;
    bool name, size, time, recursive;
  } cases[] = {
      {"", 0, true, false, false, false},
      {"rhsda", os::kReadOnly | os::kHidden | os::kSystem | os::kDirectory | os::kArchive, true, false, false, false},
      {"ZT", 0, false, true, true, false},
      {"FZ", 0, true, true, false, false},
      {"H*", os::kDirectory, true, false, false, true},
      {"*H", os::kDirectory | os::kHidden, true, false, false, true},
      {"D*Z", os::kDirectory, false, true, false, true},
      {"QX?", 0, true, false, false, false},
  };
  for (const auto& c : cases) {
    const functions::EntrySelection s = functions::parseEntrySelection(c.letters);
    EXPECT_EQ(s.mask, c.mask) << c.letters;
    EXPECT_EQ((std::array{s.name, s.size, s.time, s.recursive}), (std::array{c.name, c.size, c.time, c.recursive}))
        << c.letters;
  }
}

std::vector<std::string> listed(fake::FakeFileSystem& fs, std::string_view path, std::string_view letters) {
  std::vector<std::string> items;
  functions::listEntries(fs, path, functions::parseEntrySelection(letters), '|',
                         [&](std::string item) { items.push_back(std::move(item)); });
  return items;
}

TEST(ListEntries, DirectoriesFilesAndTheTree) {
  fake::FakeFileSystem fs;
  fs.addFile("/t/a.txt", "aa");
  fs.addFile("/t/.dot/x.txt", "");
  fs.addFile("/t/sub/b.txt", "b");
  fs.addFile("/t/sub/deep/c.txt", "c");
  fs.addDirectory("/t/v1.0/inner");
  using V = std::vector<std::string>;
  EXPECT_EQ(listed(fs, "/t", ""), (V{"/t/a.txt"}));
  EXPECT_EQ(listed(fs, "/t", "D"), (V{"/t/sub", "/t/v1.0"}));
  EXPECT_EQ(listed(fs, "/t/", "Z"), (V{"2"}));
  EXPECT_EQ(listed(fs, "/t\\*.txt", ""), (V{"/t\\a.txt"}));
  EXPECT_EQ(listed(fs, "/t", "D*"), (V{"/t/sub", "/t/sub/deep", "/t/v1.0", "/t/v1.0/inner"}));
  EXPECT_EQ(listed(fs, "/t/*.txt", "*"), V{});  // a file mask does not go down
  EXPECT_EQ(listed(fs, "/t/sub", "*"), (V{"/t/sub/deep"}));
  EXPECT_EQ(listed(fs, "/none", "*"), V{});
}

}  // namespace
}  // namespace quillan
