#include <gtest/gtest.h>

#include "editor/BindingRules.h"
#include "editor/FormTables.h"

namespace quillan::editor {
namespace {

TEST(PairRules, ReadAndWriteByDefault) {
  struct Case {
    std::string_view stored;
    std::string_view defaultValue;
    PairChoice shown;
    std::optional<std::string> writtenBack;
  };
  const Case cases[] = {
      {"", kNo, PairChoice::No, std::nullopt},
      {"", kYes, PairChoice::Yes, std::nullopt},
      {"yes", kNo, PairChoice::Yes, "yes"},
      {"no", kYes, PairChoice::No, "no"},
      // Capitalised spellings must not flip the setting.
      {"Yes", kNo, PairChoice::Yes, "yes"},
      {"YES", kYes, PairChoice::Yes, std::nullopt},
      {"No", kYes, PairChoice::No, "no"},
      {"nO", kNo, PairChoice::No, std::nullopt},
      // Other words read as No.
      {"true", kNo, PairChoice::No, std::nullopt},
      {"1", kYes, PairChoice::No, "no"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " default " + std::string(c.defaultValue));
    const PairChoice shown = readPair(c.stored, c.defaultValue);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(writePair(shown, c.defaultValue), c.writtenBack);
  }
}

TEST(PairRules, ForcedPairAlwaysWritesWhatItShows) {
  EXPECT_EQ(writeForcedPair(readForcedPair("yes")), "yes");
  EXPECT_EQ(writeForcedPair(readForcedPair("Yes")), "yes");
  EXPECT_EQ(writeForcedPair(readForcedPair("no")), "no");
  EXPECT_EQ(writeForcedPair(readForcedPair("off")), "no");
  EXPECT_EQ(readForcedPair(""), PairChoice::None);
  EXPECT_EQ(writeForcedPair(PairChoice::None), std::nullopt);
}

TEST(CommentRules, SplitsAtTheFirstSemicolon) {
  struct Case {
    std::string_view stored, text, comment;
  };
  const Case cases[] = {
      {"5  ; highest level", "5", " highest level"}, {"5\t;x", "5", "x"}, {"3;a;b", "3", "a;b"}, {"7", "7", ""},
      {"  ;only a comment", "", "only a comment"},   {"2    ;", "2", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored));
    const CommentedValue parts = splitComment(c.stored);
    EXPECT_EQ(parts.text, c.text);
    EXPECT_EQ(parts.comment, c.comment);
  }
  EXPECT_EQ(joinComment("5", " highest level"), "5    ; highest level");
  EXPECT_EQ(joinComment("0", ""), "0    ;");
}

TEST(PrerequisiteRules, WritesInBoxOrderAndKeepsWhatHasNoBox) {
  struct Case {
    std::string_view stored, written;
  };
  const Case cases[] = {
      {"dome,weap", "weap,dome"},   {"fix,fact", "fact,fix"},     {"", ""},
      {"DOME, Weap ", "weap,dome"}, {"fact,,powr,", "fact,powr"}, {"gap,fact,miss", "fact,gap,miss"},
      {"tent,tent", "tent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored));
    EXPECT_EQ(writePrerequisites(readPrerequisites(c.stored, prerequisiteFlags()), prerequisiteFlags()), c.written);
  }
}

}  // namespace
}  // namespace quillan::editor
