// Editing: what set, remove and eraseSection do to the text, and that they
// leave every other byte of the file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ini/IniDocument.h"

namespace quillan::ini {
namespace {

IniDocument edited(const std::string& file, const std::function<void(IniDocument&)>& change) {
  IniDocument doc = IniDocument::parse(file);
  change(doc);
  return doc;
}

// Edits keep the section index in step with the lines without rebuilding
// it each time: after every step of a run of edits, each lookup must agree
// with a fresh parse of the text the edits produced.
void expectSameLookups(const IniDocument& doc, const std::vector<std::string>& names) {
  const IniDocument fresh = IniDocument::parse(doc.serialize());
  ASSERT_EQ(doc.sections(), fresh.sections());
  for (const std::string& section : names) {
    EXPECT_EQ(doc.hasSection(section), fresh.hasSection(section)) << section;
    EXPECT_EQ(doc.keys(section), fresh.keys(section)) << section;
    EXPECT_EQ(doc.sectionLines(section), fresh.sectionLines(section)) << section;
    for (const char* key : {"k", "x", "new"}) EXPECT_EQ(doc.value(section, key), fresh.value(section, key)) << key;
  }
}

TEST(IniWrite, LookupsAfterEachEditMatchAFreshParse) {
  const std::vector<std::string> names = {"a", "b", "c", "d", "e"};
  const std::vector<std::function<void(IniDocument&)>> steps = {
      [](IniDocument& d) { d.set("a", "new", "1"); },  // a key inserted in the first section
      [](IniDocument& d) { d.set("B", "k", "2"); },  // a value changed in place
      [](IniDocument& d) { d.set("c", "new", "3"); },  // a key into the duplicated section
      [](IniDocument& d) { d.remove("a", "x"); },  // a key removed before other sections
      [](IniDocument& d) { d.set("d", "k", "4"); },  // a new section at the end
      [](IniDocument& d) { d.set("d", "new", "5"); },  // ... and a key into it
      [](IniDocument& d) { d.eraseSection("c"); },  // the first copy goes, the second takes over
      [](IniDocument& d) { d.set("c", "x", "6"); },  // into the copy that was second
      [](IniDocument& d) { d.eraseSection("b"); },
      [](IniDocument& d) { d.set("b", "k", "7"); },  // comes back at the end
      [](IniDocument& d) { d.set("e", "k", "8"); },
  };
  IniDocument doc = IniDocument::parse("; top\n[a]\nx=1\nk=0\n\n[b]\nk=1\n; b ends\n[c]\nk=c1\n[C]\nk=c2\nx=y\n");
  expectSameLookups(doc, names);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    steps[i](doc);
    expectSameLookups(doc, names);
  }
  EXPECT_EQ(doc.value("c", "k"), "c2") << "the second copy answers once the first is gone";
  EXPECT_EQ(doc.value("c", "x"), "6");
}

TEST(IniWrite, BuildsSectionsByWritesWithExactBytes) {
  IniDocument doc;
  doc.set("App1", "key1", "string1");
  doc.set("App1", "key2", "string2");
  doc.set("App1", "key3", "string3");
  doc.set("App2", "key1", "string1");
  doc.set("App3", "key1", "string1");
  const std::string built =
      "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
      "[App2]\r\nkey1=string1\r\n[App3]\r\nkey1=string1\r\n";
  ASSERT_EQ(doc.serialize(), built);

  doc.remove("App1", "key2");
  const std::string withoutKey2 =
      "[App1]\r\nkey1=string1\r\nkey3=string3\r\n[App2]\r\nkey1=string1\r\n[App3]\r\nkey1=string1\r\n";
  EXPECT_EQ(doc.serialize(), withoutKey2);
  doc.remove("App1", "key2");
  EXPECT_EQ(doc.serialize(), withoutKey2);

  doc.eraseSection("App1");
  EXPECT_EQ(doc.serialize(), "[App2]\r\nkey1=string1\r\n[App3]\r\nkey1=string1\r\n");

  doc.remove("App3", "key1");
  EXPECT_EQ(doc.serialize(), "[App2]\r\nkey1=string1\r\n[App3]\r\n");
  EXPECT_TRUE(doc.hasSection("App3"));
}

TEST(IniWrite, NamesTrimmedOfSpacesValueWrittenAsGiven) {
  IniDocument doc;
  doc.set("   sec   ", "  key  ", " value ");
  EXPECT_EQ(doc.serialize(), "[sec]\r\nkey= value \r\n");
  EXPECT_EQ(doc.value("sec", "key"), "value");
}

TEST(IniWrite, NewKeysFollowExistingOnesInCallOrder) {
  IniDocument doc = IniDocument::parse("[S]\r\nb=value\r\na=value\r\n");
  for (const char* key : {"z", "b", "y", "a"}) doc.set("S", key, "");
  EXPECT_EQ(doc.serialize(), "[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n");
}

TEST(IniWrite, KeyListGrowsByTheWrittenKey) {
  IniDocument doc = IniDocument::parse("[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n");
  doc.set("s", "name5", "val5");
  EXPECT_EQ(doc.keys("s"), (std::vector<std::string>{"name1", "name2", "name4", "name5"}));
  EXPECT_EQ(doc.serialize(), "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\nname5=val5\r\n");
}

struct EditCase {
  const char* name;
  std::string before;
  std::function<void(IniDocument&)> change;
  std::string after;
};

class TextEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(TextEdit, ChangesOnlyTheLinesItMust) {
  const EditCase& c = GetParam();
  EXPECT_EQ(IniDocument::parse(c.before).serialize(), c.before) << "unedited text must come back unchanged";
  EXPECT_EQ(edited(c.before, c.change).serialize(), c.after);
}

auto setKey(const char* s, const char* k, const char* v) {
  return [=](IniDocument& doc) { doc.set(s, k, v); };
}

INSTANTIATE_TEST_SUITE_P(
    Ini, TextEdit,
    ::testing::Values(
        EditCase{"LfFileKeepsLf", "; top\n[a]\nx=1\n\n[b]\ny=2\n", setKey("a", "x", "9"),
                 "; top\n[a]\nx=9\n\n[b]\ny=2\n"},
        EditCase{"CrlfFileNewKeyUsesCrlf", "[a]\r\nx=1\r\n\r\n[b]\r\n", setKey("a", "n", "v"),
                 "[a]\r\nx=1\r\nn=v\r\n\r\n[b]\r\n"},
        EditCase{"CrOnlyFileNewKeyUsesCr", "[a]\rx=1\r; c\r[b]\r", setKey("a", "n", "v"), "[a]\rx=1\rn=v\r; c\r[b]\r"},
        EditCase{"MixedEndingsNewKeyTakesNeighbours", "[a]\r\nx=1\n[b]\ry=2\r\n", setKey("a", "n", "v"),
                 "[a]\r\nx=1\nn=v\n[b]\ry=2\r\n"},
        EditCase{"MixedEndingsNewSectionTakesLastLines", "[a]\nx=1\r\n", setKey("b", "n", "v"),
                 "[a]\nx=1\r\n[b]\r\nn=v\r\n"},
        EditCase{"MixedEndingsMissingFinalBreakTakesFilesFirst", "[a]\r\nx=1\ny=2", setKey("b", "n", "v"),
                 "[a]\r\nx=1\ny=2\r\n[b]\r\nn=v\r\n"},
        EditCase{"NoFinalBreakGetsOneBeforeNewSection", "[a]\r\nx=1", setKey("b", "n", "v"),
                 "[a]\r\nx=1\r\n[b]\r\nn=v\r\n"},
        EditCase{"NoFinalBreakGetsOneBeforeNewKey", "[a]\nx=1", setKey("a", "n", "v"), "[a]\nx=1\nn=v\n"},
        EditCase{"NoFinalBreakChangedLastLineStaysOpen", "[a]\nx=1", setKey("a", "x", "2"), "[a]\nx=2"},
        EditCase{"BytesBeforeFirstSectionKept", "\x01junk\xFF\n k = v\n[a]\nx=1\n", setKey("a", "x", "2"),
                 "\x01junk\xFF\n k = v\n[a]\nx=2\n"},
        EditCase{"KeyGoesAfterLastEntryNotTrailingBlanks", "[a]\nx=1\n\n; about b\n[b]\n", setKey("a", "n", "v"),
                 "[a]\nx=1\nn=v\n\n; about b\n[b]\n"},
        EditCase{"KeyGoesAfterLooseLineToo", "[a]\nx=1\nloose\n[b]\n", setKey("a", "n", "v"),
                 "[a]\nx=1\nloose\nn=v\n[b]\n"},
        EditCase{"FirstKeyInEmptySectionFollowsHeader", "[a]\n; c\n[b]\n", setKey("a", "n", "v"),
                 "[a]\nn=v\n; c\n[b]\n"},
        EditCase{"ExistingKeyKeepsItsCaseAndPlace", "[a]\nKey = old\nz=1\n", setKey("A", "KEY", "new"),
                 "[a]\nKey=new\nz=1\n"},
        EditCase{"UnchangedValueLeavesLineAlone", "[a]\n  Key =  same \n", setKey("a", "key", "same"),
                 "[a]\n  Key =  same \n"},
        EditCase{"ValueWithOwnBlanksRewritesLine", "[a]\nk =v\n", setKey("a", "k", " v"), "[a]\nk= v\n"},
        EditCase{"QuotedValueWrittenPlainIsRewritten", "[a]\nk=\"v\"\n", setKey("a", "k", "v"), "[a]\nk=v\n"},
        EditCase{"WriteChangesFirstCopyOfKey", "[a]\nk=1\nk=2\n", setKey("a", "k", "3"), "[a]\nk=3\nk=2\n"},
        EditCase{"WriteGoesToFirstCopyOfSection", "[a]\nx=1\n[b]\n[a]\n", setKey("a", "n", "v"),
                 "[a]\nx=1\nn=v\n[b]\n[a]\n"},
        EditCase{"EmptyValueKeepsKey", "[a]\nk=1\n", setKey("a", "k", ""), "[a]\nk=\n"},
        EditCase{"EmptyFileStartsWithCrlf", "", setKey("App", "key", "string"), "[App]\r\nkey=string\r\n"},
        EditCase{"ValueCutAtLineBreak", "[a]\n", setKey("a", "k", "one\r\n[evil]\r\nx=1"), "[a]\nk=one\n"},
        EditCase{"KeyWithEqualsRefused", "[a]\nk=1\n", setKey("a", "k=2", "v"), "[a]\nk=1\n"},
        EditCase{"KeyThatWouldBeCommentRefused", "[a]\n", setKey("a", ";k", "v"), "[a]\n"},
        EditCase{"KeyThatWouldBeHeaderRefused", "[a]\n", setKey("a", "[k", "v"), "[a]\n"},
        EditCase{"SectionWithBracketRefused", "", setKey("a]b", "k", "v"), ""},
        EditCase{"SectionWithLineBreakRefused", "", setKey("a\nb", "k", "v"), ""},
        EditCase{"RemoveKeepsOtherLines", "; c\r\n[a]\r\nx=1\r\n; mid\r\ny=2\r\n",
                 [](IniDocument& d) { d.remove("a", "X"); }, "; c\r\n[a]\r\n; mid\r\ny=2\r\n"},
        EditCase{"RemoveMissingKeyChangesNothing", "[a]\nx=1", [](IniDocument& d) { d.remove("a", "y"); }, "[a]\nx=1"},
        EditCase{"RemoveFirstCopyOnly", "[a]\nk=1\nk=2\n", [](IniDocument& d) { d.remove("a", "k"); }, "[a]\nk=2\n"},
        EditCase{"EraseKeepsCommentsAndBlanks", "[a]\nx=1\n; about a\nloose\n\n[b]\ny=2\n",
                 [](IniDocument& d) { d.eraseSection(" A "); }, "; about a\n\n[b]\ny=2\n"},
        EditCase{"EraseFirstCopyOnly", "[a]\nx=1\n[a]\ny=2\n", [](IniDocument& d) { d.eraseSection("a"); },
                 "[a]\ny=2\n"},
        EditCase{"EraseMissingChangesNothing", "[a]\r", [](IniDocument& d) { d.eraseSection("b"); }, "[a]\r"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillan::ini
