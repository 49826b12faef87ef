#include <gtest/gtest.h>

#include "tests/dialog/RecordingHost.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

// A script run whole; %R holds what it found out.
struct ListCase {
  const char* name;
  std::vector<std::string> lines;
  std::string result;  // %R afterwards
  int error = 0;
};

class ListScripts : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListScripts, GiveTheirResult) {
  const ListCase& c = GetParam();
  testing::ScriptHarness h;
  h.fs.files["/work/three.txt"] = "crlf\r\nlf\ncr\rlast";
  h.fs.files["/work/empty.txt"] = "";
  h.fs.files["/work/breaks.txt"] = "a\r\n\r\nb\n\n";
  h.run(c.lines);
  EXPECT_EQ(h.rt.error, c.error);
  EXPECT_EQ(h.var('R'), c.result);
}

TEST(ListFileList, TheTreeWithDStar) {
  testing::ScriptHarness h;
  h.fs.addFile("/data/a.txt", "");
  h.fs.addFile("/data/sub/b.txt", "");
  h.fs.addFile("/data/.git/config", "");
  h.fs.addDirectory("/data/sub/deep/deeper");
  h.fs.addDirectory("/data/v1.0/x");
  // The list is released when the run ends: the script reads it out first.
  h.run({"LIST 1,CREATE", "LIST 1,FILELIST,/data,D*", "%R = @count(1):@next(1);@next(1);@next(1);@next(1);@next(1)"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "5:/data/sub;/data/sub/deep;/data/sub/deep/deeper;/data/v1.0;/data/v1.0/x");
}

// clang-format off
const ListCase kListCases[] = {
    // Creating and closing
    {"NewListIsEmpty", {"LIST 1,CREATE", "%R = @count(1)[@item(1)][@ok()]@index(1)"}, "0[][]0"},
    {"SortedDropsDuplicatesIgnoringCase",
     {"LIST 2,CREATE,sorted", "LIST 2,ADD,b", "LIST 2,ADD,a", "LIST 2,ADD,B", "%R = @count(2):@next(2)@next(2)"},
     "2:ab"},
    {"SortedOrderIgnoresCase",
     {"LIST 1,CREATE,SORTED", "LIST 1,ADD,delta", "LIST 1,ADD,Charlie", "LIST 1,ADD,alpha", "LIST 1,ADD,Bravo",
      "%R = @next(1)/@next(1)/@next(1)/@next(1)"},
     "alpha/Bravo/Charlie/delta"},
    {"AddBeforeCreate", {"%R = before", "LIST 1,ADD,x", "%R = after"}, "before", 4},
    {"SlotFive", {"%R = before", "LIST 5,ADD,x", "%R = after"}, "before", 4},
    {"SlotZero", {"%R = before", "LIST 0,CREATE", "%R = after"}, "before", 4},
    {"HexSlotNumber", {"LIST $2,CREATE", "LIST 2,ADD,x", "%R = @count($2)"}, "1"},
    {"EmptyListArgument", {"%R = before", "LIST ,ADD,x"}, "before", 4},
    {"NameWithoutDialog", {"%R = before", "LIST Names,ADD,x"}, "before", 4},
    {"CreateTwice", {"LIST 1,CREATE", "%R = before", "LIST 1,CREATE"}, "before", 4},
    {"CloseEmptiesTheSlot", {"LIST 1,CREATE", "LIST 1,ADD,x", "LIST 1,CLOSE", "%R = before", "LIST 1,ADD,y"},
     "before", 4},
    {"CloseThenCreateAgain", {"LIST 1,CREATE", "LIST 1,ADD,x", "LIST 1,CLOSE", "LIST 1,CREATE", "%R = @count(1)"}, "0"},
    {"MissingOperation", {"LIST 1,CREATE", "%R = before", "LIST 1"}, "before", 2},
    {"UnknownOperation", {"LIST 1,CREATE", "%R = before", "LIST 1,SHUFFLE"}, "before", 4},
    {"OperationByLeadingLetters", {"LIST 1,CREATE", "LIST 1,INS,x", "%R = @count(1)"}, "1"},
    {"LettersInsideAnotherWord", {"LIST 1,CREATE", "%R = before", "LIST 1,AD,x"}, "before", 4},
    {"FileListAddsAfterTheItemsAndGoesToTheTop",
     {"LIST 1,CREATE", "LIST 1,ADD,first", "LIST 1,SEEK,0", "LIST 1,FILELIST,\\work\\*.txt,z",
      "%R = @count(1):@next(1);@next(1);@next(1);@next(1)"},
     "4:first;8;0;16"},
    {"FileListWithoutPath", {"LIST 1,CREATE", "%R = before", "LIST 1,FILELIST,,F"}, "before", 2},
    // Position, SEEK, NEXT, ITEM, INDEX
    {"NextWalksPastTheEnd",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,ADD,c", "LIST 1,SEEK,2",
      "%R = @next(1)[@next(1)][@ok()]@index(1)"},
     "c[][]4"},
    {"ItemLeavesTheFlag", {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = @item(1)@ok()@index(1)"}, "a10"},
    {"SeekPastTheEnd", {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = before", "LIST 1,SEEK,1"}, "before", 19},
    {"SeekBelowZero", {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = before", "LIST 1,SEEK,-1"}, "before", 19},
    {"SeekToNoNumber", {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = before", "LIST 1,SEEK,one"}, "before", 19},
    {"SeekEmptyIsZero", {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,1", "LIST 1,SEEK",
                         "%R = @item(1)"}, "a"},
    // MATCH
    {"MatchFindsAndStays",
     {"LIST 1,CREATE", "LIST 1,ADD,apple", "LIST 1,ADD,banana", "LIST 1,ADD,cherry",
      "%R = @match(1,an)@item(1)@index(1)"},
     "1banana1"},
    {"MatchMissKeepsThePosition",
     {"LIST 1,CREATE", "LIST 1,ADD,apple", "LIST 1,ADD,banana", "LIST 1,SEEK,1", "%R = [@match(1,xyz)]@index(1)"},
     "[]1"},
    {"MatchStartsAtThePosition",
     {"LIST 1,CREATE", "LIST 1,ADD,apple", "LIST 1,ADD,banana", "LIST 1,SEEK,1", "%R = [@match(1,app)]@index(1)"},
     "[]1"},
    {"EmptyTextMatchesTheCurrentItem",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,1", "%R = @match(1,)@index(1)"}, "11"},
    {"MatchLeavesTheFlag", {"LIST 1,CREATE", "%R = [@match(1,x)]@ok()"}, "[]1"},
    // PUT, ADD, INSERT, DELETE, CLEAR
    {"PutReplacesTheCurrentItem",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,1", "LIST 1,PUT,B", "LIST 1,SEEK,0",
      "%R = @next(1)@next(1)@count(1)"},
     "aB2"},
    {"PutWithoutCurrentAdds",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = @next(1)", "LIST 1,PUT,z", "LIST 1,SEEK,1", "%R = %R@item(1)"}, "az"},
    {"PutOnSortedGoesToItsPlace",
     {"LIST 1,CREATE,SORTED", "LIST 1,ADD,b", "LIST 1,ADD,c", "LIST 1,PUT,d", "LIST 1,SEEK,0",
      "%R = @next(1)@next(1)@count(1)"},
     "cd2"},
    {"InsertBeforeTheCurrentItem",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,c", "LIST 1,SEEK,1", "LIST 1,INSERT,b", "%R = @item(1)",
      "LIST 1,SEEK,0", "%R = %R:@next(1)@next(1)@next(1)"},
     "b:abc"},
    {"InsertPastTheEndAppends",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = @next(1)@next(1)@next(1)", "LIST 1,INSERT,z", "LIST 1,SEEK,1",
      "%R = %R@item(1)@count(1)"},
     "az2"},
    {"InsertOnSortedGoesToItsPlace",
     {"LIST 1,CREATE,SORTED", "LIST 1,ADD,m", "LIST 1,ADD,x", "LIST 1,INSERT,a", "LIST 1,SEEK,0",
      "%R = @next(1)@next(1)@next(1)"},
     "amx"},
    {"DeleteTheLastMovesBack",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,1", "LIST 1,DELETE", "%R = @index(1)@item(1)"},
     "0a"},
    {"DeleteInTheMiddleStays",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,ADD,c", "LIST 1,SEEK,1", "LIST 1,DELETE",
      "%R = @index(1)@item(1)"},
     "1c"},
    {"DeleteTheOnlyItem", {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,DELETE", "%R = @index(1)@count(1)"}, "00"},
    {"DeleteWithoutCurrent", {"LIST 1,CREATE", "%R = before", "LIST 1,DELETE"}, "before", 19},
    {"ClearResetsThePosition",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "%R = @next(1)", "LIST 1,CLEAR", "%R = %R@count(1)@index(1)"}, "a00"},
    // ASSIGN
    {"AssignCopiesIntoASortedList",
     {"LIST 1,CREATE", "LIST 1,ADD,b", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,2", "LIST 2,CREATE,SORTED",
      "LIST 2,ADD,old", "LIST 2,ASSIGN,1", "%R = @index(1)@index(2):@next(2)@next(2)@count(2)"},
     "20:ab2"},
    {"AssignFromNothing", {"LIST 1,CREATE", "%R = before", "LIST 1,ASSIGN,3"}, "before", 4},
    {"AssignFromEmptyArgument", {"LIST 1,CREATE", "%R = before", "LIST 1,ASSIGN"}, "before", 4},
    {"AssignToItselfKeepsTheItems",
     {"LIST 1,CREATE", "LIST 1,ADD,a", "LIST 1,ADD,b", "LIST 1,SEEK,1", "LIST 1,ASSIGN,1", "%R = @count(1)@index(1)"},
     "20"},
    // LOADFILE
    {"LoadFileSplitsThreeLineEnds",
     {"LIST 1,CREATE", "LIST 1,ADD,old", "LIST 1,LOADFILE,/work/three.txt", "%R = @count(1):@next(1)/@next(1)/@next(1)/@next(1)"},
     "4:crlf/lf/cr/last"},
    {"LoadFileKeepsEmptyLines",
     {"LIST 1,CREATE", "LIST 1,LOADFILE,/work/breaks.txt", "%R = @count(1):@next(1)/@next(1)/@next(1)/@next(1)"},
     "4:a//b/"},
    {"LoadEmptyFile", {"LIST 1,CREATE", "LIST 1,ADD,old", "LIST 1,LOADFILE,/work/empty.txt", "%R = @count(1)@ok()"}, "01"},
    {"LoadMissingFileKeepsTheList",
     {"LIST 1,CREATE", "LIST 1,ADD,old", "LIST 1,LOADFILE,/work/missing.txt", "%R = @count(1)@item(1)[@ok()]"},
     "1old[]"},
    {"LoadFileWithoutName", {"LIST 1,CREATE", "%R = before", "LIST 1,LOADFILE"}, "before", 2},
    {"SaveFileWithoutName", {"LIST 1,CREATE", "%R = before", "LIST 1,SAVEFILE"}, "before", 2},
    // DROPFILE and the registry come with their own tests below.
    // List functions
    {"CountOfNothing", {"%R = before", "%S = @count(9)"}, "before", 4},
    {"CountOfEmptySlot", {"%R = before", "%S = @count(1)"}, "before", 4},
    {"IndexOfEmptyArgument", {"%R = before", "%S = @index()"}, "before", 4},
    {"NextOfEmptySlot", {"%R = before", "%S = @next(2)"}, "before", 4},
    {"MatchOfEmptySlot", {"%R = before", "%S = @match(2,x)"}, "before", 4},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(List, ListScripts, ::testing::ValuesIn(kListCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListFiles, SaveFileWritesCrLfLinesAndResetsThePosition) {
  testing::ScriptHarness h;
  h.run({"LIST 1,CREATE", "LIST 1,ADD,one", "LIST 1,ADD,", "LIST 1,ADD,three", "LIST 1,SEEK,2",
         "LIST 1,SAVEFILE,/work/out.txt", "%R = @index(1)@ok()"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.fs.files["/work/out.txt"], "one\r\n\r\nthree\r\n");
  EXPECT_EQ(h.var('R'), "01");
}

TEST(ListFiles, SaveFileOfAnEmptyListWritesAnEmptyFile) {
  testing::ScriptHarness h;
  h.fs.files["/work/out.txt"] = "old";
  h.run({"LIST 1,CREATE", "LIST 1,SAVEFILE,/work/out.txt"});
  EXPECT_EQ(h.fs.files["/work/out.txt"], "");
}

TEST(ListFiles, FailedSaveClearsTheFlagAndKeepsTheOldFile) {
  testing::ScriptHarness h;
  h.fs.files["/work/out.txt"] = "old";
  h.fs.faults.failCall("writeFile", 1, ENOSPC);
  h.run({"LIST 1,CREATE", "LIST 1,ADD,new", "LIST 1,SAVEFILE,/work/out.txt", "%R = [@ok()]"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "[]");
  EXPECT_EQ(h.fs.files["/work/out.txt"], "old");
}

TEST(ListFiles, FailedReadClearsTheFlagAndKeepsTheList) {
  testing::ScriptHarness h;
  h.fs.files["/work/in.txt"] = "a\r\nb";
  h.fs.faults.failCall("readFile", 1, EIO);
  h.run({"LIST 1,CREATE", "LIST 1,ADD,kept", "LIST 1,LOADFILE,/work/in.txt", "%R = [@ok()]@count(1)@item(1)"});
  EXPECT_EQ(h.var('R'), "[]1kept");
}

TEST(ListFiles, SavedFileLoadsBackUnchanged) {
  testing::ScriptHarness h;
  h.run({"LIST 1,CREATE", "LIST 1,ADD,x y", "LIST 1,ADD,", "LIST 1,ADD,z", "LIST 1,SAVEFILE,/work/round.txt",
         "LIST 2,CREATE", "LIST 2,LOADFILE,/work/round.txt", "%R = @count(2):@next(2)/@next(2)/@next(2)"});
  EXPECT_EQ(h.var('R'), "3:x y//z");
}

TEST(ListDrop, AddsTheDroppedFilesOnce) {
  testing::ScriptHarness h;
  h.rt.droppedFiles = {"/home/a.txt", "/home/b c.txt"};
  h.run({"LIST 1,CREATE", "LIST 1,ADD,first", "LIST 1,SEEK,0", "OPTION FILENAME,ON", "LIST 1,DROPFILE",
         "LIST 1,DROPFILE", "%R = @count(1)@index(1):@next(1)/@next(1)/@next(1)"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "30:first//home/a.txt//home/b c.txt");
  EXPECT_TRUE(h.rt.droppedFiles.empty());
}

// Seeds the registry with two sub keys and two values of Software\Shop.
void seedShop(reg::Registry& registry) {
  for (const char* sub : {"Software\\Shop\\Fruit", "Software\\Shop\\Bread"}) {
    reg::Handle key = 0;
    ASSERT_EQ(registry.createKey(reg::CurrentUser, sub, key), reg::Success);
    registry.closeKey(key);
  }
  reg::Handle shop = 0;
  ASSERT_EQ(registry.openKey(reg::CurrentUser, "Software\\Shop", shop), reg::Success);
  const std::uint8_t zero[] = {0};
  registry.setValue(shop, "Owner", reg::Sz, zero, 1);
  registry.setValue(shop, "Open", reg::Sz, zero, 1);
  registry.closeKey(shop);
}

struct RegistryCase {
  const char* name;
  std::string line;
  std::string result;
  int error = 0;
};

class ListRegistry : public ::testing::TestWithParam<RegistryCase> {};

TEST_P(ListRegistry, AddsNames) {
  const RegistryCase& c = GetParam();
  testing::ScriptHarness h;
  seedShop(h.registry);
  h.run({"LIST 1,CREATE", "LIST 1,ADD,first", "LIST 1,SEEK,0", "%R = before", c.line,
         "%R = @count(1)@index(1):@next(1)/@next(1)/@next(1)"});
  EXPECT_EQ(h.rt.error, c.error);
  EXPECT_EQ(h.var('R'), c.result);
}

const RegistryCase kRegistryCases[] = {
    {"KeysInStoreOrder", "LIST 1,REGKEYS,CURUSER,Software\\Shop", "30:first/Fruit/Bread"},
    {"ValueNames", "LIST 1,REGVALS,curuser,Software\\Shop", "30:first/Owner/Open"},
    {"MissingKeyAddsNothing", "LIST 1,REGKEYS,CURUSER,Software\\Nowhere", "10:first//"},
    {"UnknownRootAddsNothing", "LIST 1,REGKEYS,MOON,Software\\Shop", "10:first//"},
    {"EmptyRoot", "LIST 1,REGKEYS,,Software\\Shop", "before", 2},
    {"EmptyKey", "LIST 1,REGVALS,CURUSER", "before", 2},
};

INSTANTIATE_TEST_SUITE_P(List, ListRegistry, ::testing::ValuesIn(kRegistryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListRegistry, AFailingEnumerationStopsWithWhatItHas) {
  testing::ScriptHarness h;
  seedShop(h.registry);
  h.registry.faults.failCall("enumKey", 2, reg::StoreFailure);
  h.run({"LIST 1,CREATE", "LIST 1,REGKEYS,CURUSER,Software\\Shop", "%R = @count(1)@ok()"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "11");
}

// --- The clipboard ----------------------------------------------------------

struct ClipboardCase {
  const char* name;
  std::string before;  // the clipboard's text
  std::vector<std::string> lines;
  std::string after;   // the clipboard's text afterwards
  std::string result;  // %R
  int error = 0;
};

class ClipboardScripts : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardScripts, LeaveTheClipboardAsExpected) {
  const ClipboardCase& c = GetParam();
  testing::ScriptHarness h;
  h.clipboard.content = c.before;
  h.run(c.lines);
  EXPECT_EQ(h.rt.error, c.error);
  EXPECT_EQ(h.clipboard.content, c.after);
  EXPECT_EQ(h.var('R'), c.result);
}

// clang-format off
const ClipboardCase kClipboardCases[] = {
    {"Set", "old", {"CLIPBOARD SET,new text"}, "new text", ""},
    {"SetEmpty", "old", {"CLIPBOARD SET"}, "", ""},
    {"Clear", "old", {"CLIPBOARD clear"}, "", ""},
    {"AppendToText", "a", {"CLIPBOARD APPEND,b"}, "a\r\nb", ""},
    {"AppendToEmpty", "", {"CLIPBOARD APPEND,b"}, "b", ""},
    {"ByLeadingLetters", "a", {"CLIPBOARD AP,b"}, "a\r\nb", ""},
    {"UnknownAction", "a", {"%R = before", "CLIPBOARD PASTE,b"}, "a", "before", 14},
    {"NoAction", "a", {"%R = before", "CLIPBOARD"}, "a", "before", 2},
    // LIST COPY and PASTE
    {"CopyJoinsWithoutFinalBreak",
     "old", {"LIST 1,CREATE", "LIST 1,ADD,one", "LIST 1,ADD,two", "LIST 1,SEEK,1", "LIST 1,COPY", "%R = @index(1)"},
     "one\r\ntwo", "1"},
    {"CopyOfAnEmptyListEmptiesIt", "old", {"LIST 1,CREATE", "LIST 1,COPY"}, "", ""},
    {"PasteSplitsAtCrLf", "one\r\ntwo\r\n",
     {"LIST 1,CREATE", "LIST 1,ADD,old", "LIST 1,PASTE", "%R = @count(1):@next(1)/@next(1)"},
     "one\r\ntwo\r\n", "2:one/two"},
    {"PasteSplitsAtCrAlone", "one\rtwo", {"LIST 1,CREATE", "LIST 1,PASTE", "%R = @count(1):@next(1)/@next(1)"},
     "one\rtwo", "2:one/two"},
    {"PasteKeepsLineFeedsAlone", "one\ntwo", {"LIST 1,CREATE", "LIST 1,PASTE", "%R = @count(1)"}, "one\ntwo", "1"},
    {"PasteKeepsEmptyLines", "a\r\n\r\nb", {"LIST 1,CREATE", "LIST 1,PASTE", "%R = @count(1):@next(1)/@next(1)/@next(1)"},
     "a\r\n\r\nb", "3:a//b"},
    {"PasteOfNothingIsOneEmptyItem", "", {"LIST 1,CREATE", "LIST 1,ADD,old", "LIST 1,PASTE", "%R = @count(1)[@item(1)]"},
     "", "1[]"},
    {"PasteIntoSortedSorts", "b\r\na\r\nB",
     {"LIST 1,CREATE,SORTED", "LIST 1,PASTE", "%R = @count(1):@next(1)@next(1)"}, "b\r\na\r\nB", "2:ab"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Clipboard, ClipboardScripts, ::testing::ValuesIn(kClipboardCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Dialog lists -------------------------------------------------------------

struct DialogListFixture : ::testing::Test {
  testing::ScriptHarness h;
  testing::RecordingHost host;
  testing::VectorList& names() { return host.lists.at("NAMES"); }

  void SetUp() override {
    h.rt.dialog = &host;
    run({"DIALOG CREATE,Test,-1,0,200,200,LIST(Names;10;10;;;),COMBO(Pick;50;10;;;)"});
    ASSERT_EQ(h.rt.error, 0);
    ASSERT_TRUE(host.shown);
  }
  // Runs the lines without ending the script, so the dialog stays.
  void run(std::vector<std::string> lines) {
    h.rt.store = std::move(lines);
    h.rt.line = 0;
    core::runLines(h.rt);
  }
};

TEST_F(DialogListFixture, MovingThePositionMovesTheSelection) {
  run({"LIST names,ADD,a", "LIST Names,ADD,b", "LIST Names,ADD,c", "%R = @index(Names)", "LIST Names,SEEK,1"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('R'), "-1");
  EXPECT_EQ(names().selected, 1);
  run({"%R = @next(Names)@next(Names)@index(Names)[@next(Names)][@ok()]"});
  EXPECT_EQ(h.var('R'), "bc-1[][]");
  EXPECT_EQ(names().selected, -1);
}

TEST_F(DialogListFixture, MatchSelectsTheItemFound) {
  names().items = {"apple", "banana", "cherry"};
  run({"%R = @match(Names,ERR)@index(Names)"});
  EXPECT_EQ(h.var('R'), "12");
  EXPECT_EQ(names().selected, 2);
  run({"%R = [@match(Names,apple)]@index(Names)"});
  EXPECT_EQ(h.var('R'), "[]2");
}

TEST_F(DialogListFixture, InsertWithoutSelectionGoesToTheFront) {
  names().items = {"b", "c"};
  run({"LIST Names,INSERT,a"});
  EXPECT_EQ(names().items, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(DialogListFixture, DeleteSelectsTheNextItem) {
  names().items = {"a", "b", "c"};
  names().selected = 0;
  run({"LIST Names,DELETE"});
  EXPECT_EQ(names().items, (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(names().selected, 0);
}

TEST_F(DialogListFixture, CreateIsRefusedAndCloseChangesNothing) {
  names().items = {"a"};
  run({"LIST Names,CLOSE", "%R = @count(Names)", "LIST Names,CREATE"});
  EXPECT_EQ(h.rt.error, 4);
  EXPECT_EQ(h.var('R'), "1");
  EXPECT_EQ(names().items, (std::vector<std::string>{"a"}));
}

TEST_F(DialogListFixture, AssignsBetweenInternalAndDialogLists) {
  run({"LIST 1,CREATE,SORTED", "LIST 1,ADD,z", "LIST 1,ADD,y", "LIST Pick,ASSIGN,1", "LIST Names,ADD,q",
       "LIST 1,ASSIGN,Names", "%R = @count(Pick)@count(1)@item(1)"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(host.lists.at("PICK").items, (std::vector<std::string>{"y", "z"}));
  EXPECT_EQ(h.var('R'), "21q");
}

TEST_F(DialogListFixture, OtherElementsAndMissingNamesAreNoLists) {
  run({"%R = before", "LIST Nobody,ADD,x"});
  EXPECT_EQ(h.rt.error, 4);
  run({"LIST 1x,ADD,x"});
  EXPECT_EQ(h.rt.error, 4);
  host.shown = false;
  run({"LIST Names,ADD,x"});
  EXPECT_EQ(h.rt.error, 4);
  EXPECT_TRUE(names().items.empty());
}

}  // namespace
}  // namespace quillan
