// The page reader must find every example a writer meant to be run, and
// must refuse a layout that would let an example go unrun: a test that
// silently skips a block is worse than none.
#include <gtest/gtest.h>

#include "LineDiff.h"
#include "ManualPage.h"

namespace quillan::manual {
namespace {

TEST(ManualPage, ReadsExamplesWithTheirAnswersAndStatus) {
  const Page page = parsePage(
      "# Title\n"
      "```qs run\nINFO hi\nEXIT\n```\n"
      "Some prose between the blocks.\n"
      "```transcript\nbox\tinformation\n```\n"
      "```qs run\nINFO %X\n```\n"
      "```answers\nyes\n```\n"
      "```transcript exit=3\n```\n");
  ASSERT_TRUE(page.errors.empty()) << page.errors.front().message;
  ASSERT_EQ(page.examples.size(), 2u);
  EXPECT_EQ(page.examples[0].line, 2);
  EXPECT_EQ(page.examples[0].script, "INFO hi\nEXIT\n");
  EXPECT_FALSE(page.examples[0].hasAnswers);
  EXPECT_EQ(page.examples[0].transcript, "box\tinformation\n");
  EXPECT_EQ(page.examples[0].exitStatus, 0);
  EXPECT_EQ(page.examples[1].answers, "yes\n");
  EXPECT_TRUE(page.examples[1].hasAnswers);
  EXPECT_EQ(page.examples[1].transcript, "");
  EXPECT_EQ(page.examples[1].exitStatus, 3);
}

TEST(ManualPage, PlainBlocksAreNotExamples) {
  const Page page = parsePage("```qs\nINFO shown only\n```\n```sh\nquillanc a.qs\n```\n");
  EXPECT_TRUE(page.errors.empty());
  EXPECT_TRUE(page.examples.empty());
}

TEST(ManualPage, RefusesLayoutsThatWouldLeaveAnExampleUnrun) {
  const struct {
    const char* markdown;
    int line;
    const char* message;
  } cases[] = {
      {"```qs run\nBEEP\n```\n```qs run\nINFO x\n```\n", 1, "no transcript"},
      {"```qs run\nBEEP\n```\n", 1, "no transcript"},
      {"text\n```transcript\nbox\n```\n", 2, "does not follow"},
      {"```answers\nyes\n```\n", 1, "does not follow"},
      {"```qs run\nBEEP\n```\n```sh\nls\n```\n```transcript\n```\n", 1, "\"sh\" block"},
      {"```qs run\nBEEP\n```\n```transcript exit=two\n```\n", 4, "exit=N"},
      {"- item\n  ```qs run\n  BEEP\n  ```\n", 2, "beginning of its line"},
      {"```qs run\nBEEP\n", 1, "never closed"},
  };
  for (const auto& c : cases) {
    const Page page = parsePage(c.markdown);
    ASSERT_FALSE(page.errors.empty()) << c.markdown;
    EXPECT_EQ(page.errors.front().line, c.line) << c.markdown;
    EXPECT_NE(page.errors.front().message.find(c.message), std::string::npos) << c.markdown << "\n"
                                                                              << page.errors.front().message;
    EXPECT_TRUE(page.examples.empty()) << c.markdown;
  }
}

TEST(ManualPage, CollectsTheNamesOfLevelThreeHeadingsOnly) {
  const Page page = parsePage(
      "## `GOTO`\n"
      "### `LIST` CREATE\n"
      "### `@count(list)`\n"
      "### `RUN`, `RUNH` and `RUNZ`\n"
      "#### `BEEP`\n"
      "```qs\n### `WAIT`\n```\n"
      "### The `@` sign\n");
  EXPECT_EQ(page.headingNames, (std::set<std::string>{"LIST", "@COUNT", "RUN", "RUNH", "RUNZ"}));
}

TEST(LineDiff, MarksChangedLinesAndShowsTabsAndMissingNewlines) {
  const struct {
    const char* expected;
    const char* actual;
    const char* diff;
  } cases[] = {
      {"a\nb\nc\n", "a\nB\nc\n", " a\n+B\n-b\n c\n"},
      {"a\tb\n", "a b\n", "+a b\n-a\\tb\n"},
      {"a\n", "a", " a\n(the actual output has no final newline)\n"},
      {"", "x\n", "+x\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(lineDiff(c.expected, c.actual), c.diff) << c.expected;
}

}  // namespace
}  // namespace quillan::manual
