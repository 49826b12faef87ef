// Reading: how lines, names and values of a file are understood.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ini/IniDocument.h"

namespace quillan::ini {
namespace {

struct ReadCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class ValueRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ValueRead, FindsTheValueTheReadRulesGive) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniDocument::parse(c.file).value(c.section, c.key), c.expected);
}

const std::string kPlain = "[s]\r\nname1=val1\r\nname2=\"val2\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Ini, ValueRead,
    ::testing::Values(ReadCase{"PlainValue", kPlain, "s", "name1", "val1"},
                      ReadCase{"QuotesRemoved", kPlain, "s", "name2", "val2"},
                      ReadCase{"KeyIgnoresCase", kPlain, "s", "NaMe1", "val1"},
                      ReadCase{"SectionIgnoresCase", kPlain, "S", "name1", "val1"},
                      ReadCase{"MissingKey", kPlain, "s", "name9", std::nullopt},
                      ReadCase{"MissingSection", kPlain, "t", "name1", std::nullopt},
                      ReadCase{"CallerSpacesStripped", kPlain, "  s ", " name1  ", "val1"},
                      ReadCase{"CallerTabsKept", kPlain, "\ts", "name1", std::nullopt},
                      ReadCase{"CrOnlyFile", "[s]\rname1=val1\rname2=x\r", "s", "name2", "x"},
                      ReadCase{"LfOnlyFile", "[s]\nname1=val1\n", "s", "name1", "val1"},
                      ReadCase{"LastLineWithoutBreak", "[s]\r\nk=tail", "s", "k", "tail"},
                      ReadCase{"NoEndOfLineComments", "[s]\nx=a ;c\n", "s", "x", "a ;c"},
                      ReadCase{"IndentedSemicolonIsComment", "[s]\n  ;k=v\n", "s", ";k", std::nullopt},
                      ReadCase{"HashIsNotComment", "[s]\n#k=v\n", "s", "#k", "v"},
                      ReadCase{"MismatchedQuotesStay", "[s]\nk='a\"\n", "s", "k", "'a\""},
                      ReadCase{"BlanksInsideQuotesStay", "[s]\nk=\" a \"\n", "s", "k", " a "},
                      ReadCase{"SingleQuotes", "[s]\nk='v'\n", "s", "k", "v"},
                      ReadCase{"OnlyOuterQuotes", "[s]\nk=\"'v'\"\n", "s", "k", "'v'"},
                      ReadCase{"LoneQuote", "[s]\nk=\"\n", "s", "k", "\""},
                      ReadCase{"ValueBlanksTrimmed", "[s]\nk= \t\vv w \t\v\n", "s", "k", "v w"},
                      ReadCase{"KeyNameBlanksIgnored", "[s]\n \tk \t= v\n", "s", "k", "v"},
                      ReadCase{"EmptyValue", "[s]\nk=\n", "s", "k", ""},
                      ReadCase{"SecondEqualsBelongsToValue", "[s]\nk=a=b\n", "s", "k", "a=b"},
                      ReadCase{"NamesNeverLoseQuotes", "[s]\n\"k\"=v\n", "s", "\"k\"", "v"},
                      ReadCase{"HeaderBlanksIgnored", " \t[ s\v]\nk=v\n", "s", "k", "v"},
                      ReadCase{"TextAfterBracketIgnored", "[s] junk\nk=v\n", "s", "k", "v"},
                      ReadCase{"HeaderWithoutBracket", "[s\nk=v\n", "s", "k", "v"},
                      ReadCase{"EmptySectionName", "[]\nk=v\n", "", "k", "v"},
                      ReadCase{"FirstKeyWins", "[s]\nk=v1\nk=v2\n", "s", "k", "v1"},
                      ReadCase{"FirstSectionWins", "[s]\nk=v1\n[S]\nk=v2\n", "s", "k", "v1"},
                      ReadCase{"KeyOnlyInSecondCopyNotFound", "[s]\na=1\n[t]\n[s]\nb=2\n", "s", "b", std::nullopt},
                      ReadCase{"LinesBeforeFirstSectionBelongNowhere", "k=v\n[]\n", "", "k", std::nullopt},
                      // Not recognised: the mark spoils the first line, so "[s]" is no header.
                      ReadCase{"Utf8BomSpoilsFirstLine", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", std::nullopt},
                      ReadCase{"Utf8BomLaterSectionsFine", "\xEF\xBB\xBF[s]\n[t]\nk=v\n", "t", "k", "v"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniListing, KeyListLeavesOutLinesWithoutEqualsAndComments) {
  const IniDocument doc = IniDocument::parse("[s]\r\nname1=val1\r\nname2=\r\nname3\r\n;c=1\r\n\r\nname4=val4\r\n");
  EXPECT_EQ(doc.keys("s"), (std::vector<std::string>{"name1", "name2", "name4"}));
}

TEST(IniListing, DuplicateKeysAreAllListedFromTheFirstSectionCopy) {
  const IniDocument doc = IniDocument::parse("[s]\nk=1\nK = 2\n[t]\n[s]\nother=3\n");
  EXPECT_EQ(doc.keys("s"), (std::vector<std::string>{"k", "K"}));
  EXPECT_EQ(doc.sections(), (std::vector<std::string>{"s", "t", "s"}));
}

TEST(IniListing, SectionNamesTrimmedInFileOrder) {
  const IniDocument doc = IniDocument::parse("x=1\n[ b ]\n[a]junk\n[]\n");
  EXPECT_EQ(doc.sections(), (std::vector<std::string>{"b", "a", ""}));
  EXPECT_TRUE(doc.hasSection("B"));
  EXPECT_FALSE(doc.hasSection("x"));
}

TEST(IniListing, SectionLinesAsAWholeSectionReadGivesThem) {
  const IniDocument doc = IniDocument::parse("[s]\n  k = \"v\" \n; note\n\n  loose text  \n[t]\nz=1\n");
  EXPECT_EQ(doc.sectionLines("s"), (std::vector<std::string>{"k=\"v\"", "loose text"}));
  EXPECT_TRUE(doc.sectionLines("missing").empty());
}

TEST(IniListing, CrOnlyFileReadsLikeCrlfFile) {
  const std::string crlf = "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n[t]\r\nx=\"y\"\r\n";
  std::string cr = crlf;
  std::erase(cr, '\n');
  const IniDocument a = IniDocument::parse(crlf);
  const IniDocument b = IniDocument::parse(cr);
  EXPECT_EQ(a.sections(), b.sections());
  for (const std::string& section : a.sections()) {
    EXPECT_EQ(a.keys(section), b.keys(section));
    EXPECT_EQ(a.sectionLines(section), b.sectionLines(section));
    for (const std::string& key : a.keys(section)) EXPECT_EQ(a.value(section, key), b.value(section, key));
  }
}

}  // namespace
}  // namespace quillan::ini
