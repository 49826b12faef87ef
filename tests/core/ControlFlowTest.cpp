#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "runtime/core/Interpreter.h"
#include "runtime/core/LabelIndex.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::ScriptHarness;
using Lines = std::vector<std::string>;

std::string errorBox(int code, int line) { return core::runTimeErrorText(code, line); }

// `depth` nested REPEAT loops around one INFO, each closed by a true UNTIL.
Lines nestedLoops(int depth) {
  Lines lines(static_cast<std::size_t>(depth), "REPEAT");
  lines.push_back("INFO inside");
  lines.insert(lines.end(), static_cast<std::size_t>(depth), "UNTIL done");
  lines.push_back("INFO outside");
  return lines;
}

// A chain of `depth` subroutines, each calling the next; the innermost shows
// a box, and every return shows one on the way out.
Lines nestedCalls(int depth) {
  Lines lines{"GOSUB S1", "INFO back 0", "EXIT"};
  for (int level = 1; level <= depth; ++level) {
    lines.push_back(":S" + std::to_string(level));
    if (level < depth)
      lines.push_back("GOSUB S" + std::to_string(level + 1));
    else
      lines.push_back("INFO deepest");
    lines.push_back("INFO back " + std::to_string(level));
    lines.push_back("EXIT");
  }
  return lines;
}

const std::string kName127(127, 'N');

struct ScriptCase {
  const char* name;
  Lines lines;
  std::vector<std::string> boxes;  // texts of the boxes shown, in order
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }

class FlowScripts : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(FlowScripts, ShowExactlyTheseBoxes) {
  ScriptHarness h;
  h.run(GetParam().lines);
  EXPECT_EQ(h.boxTexts(), GetParam().boxes);
  EXPECT_TRUE(h.rt.terminated);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, FlowScripts,
    ::testing::Values(
        ScriptCase{
            "FalseIfSkipsNestedBlocksWithTheirOwnElseAndEnd",
            {"IF", "INFO no 1", "IF x", "INFO no 2", "ELSE", "INFO no 3", "END", "INFO no 4", "END", "INFO after"},
            {"after"}},
        ScriptCase{"FalseIfStopsAtElseOfItsOwnLevelOnly",
                   {"IF %A", "IF", "ELSE", "INFO no 1", "END", "ELSE", "INFO yes", "END", "INFO after"},
                   {"yes", "after"}},
        ScriptCase{"TrueIfRunsThenElseJumpsToItsEnd",
                   {"IF x", "INFO yes", "ELSE", "INFO no 1", "IF", "ELSE", "END", "INFO no 2", "END", "INFO after"},
                   {"yes", "after"}},
        ScriptCase{"EndOnTheLastLineIsFound", {"IF", "INFO no", "END"}, {}},
        ScriptCase{"BlockWordsIgnoreCaseAndLeadingBlanks",
                   {"if", "  If x", "   else", "  end  ", "Else", "INFO else", "eND"},
                   {"else"}},
        ScriptCase{
            "LabelsAndRemarksAreNoBlockWords", {"IF", ":END", "REM END", "INFO no", "END", "INFO after"}, {"after"}},
        // A word that ends the line loses its last character before the
        // lookup: ENDIF is not END, IFX opens a block, and EN reads as ELSE.
        ScriptCase{"EndIfDoesNotCloseABlock", {"IF", "ENDIF", "INFO no", "END", "INFO after"}, {"after"}},
        ScriptCase{
            "WordEndingTheLineIsCutBeforeLookup", {"IF", "IFX", "END", "INFO no", "END", "INFO after"}, {"after"}},
        ScriptCase{"BareEnReadsAsElseWhenScanning", {"IF", "INFO no", "EN", "INFO yes", "END"}, {"yes"}},
        ScriptCase{"IfWithoutEndIsError9AtTheIf", {"REM", "IF", "INFO no"}, {errorBox(9, 2)}},
        ScriptCase{"ElseWithoutEndIsError9AtTheElse", {"IF x", "ELSE", "INFO no"}, {errorBox(9, 2)}},
        // A call that fails leaves an empty condition behind. The failure is
        // reported at its own line, not taken for a false condition that
        // jumps first and moves the report.
        ScriptCase{"FailingConditionReportsTheIfLine", {"IF @asc()", "INFO no", "END"}, {errorBox(11, 1)}},
        ScriptCase{
            "FailingUntilReportsTheUntilLine", {"REPEAT", "INFO pass", "UNTIL @asc()"}, {"pass", errorBox(11, 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Jumps, FlowScripts,
    ::testing::Values(
        ScriptCase{"GotoContinuesAfterTheLabel", {"GOTO L", "INFO no", ":L", "INFO yes"}, {"yes"}},
        ScriptCase{"LabelFromAVariableIgnoringCase", {"%E = okButton", "GOTO %E", ":OKBUTTON", "INFO ok"}, {"ok"}},
        ScriptCase{"FirstLabelWins", {"GOTO L", ":l", "INFO first", "EXIT", ":L", "INFO second"}, {"first"}},
        ScriptCase{"TrailingBlankIsPartOfTheName", {"GOTO L", ":L ", "INFO no"}, {errorBox(12, 1)}},
        ScriptCase{"TrailingBlankInArgumentFindsIt", {"GOTO L ", ":L", "EXIT", ":L ", "INFO blank"}, {"blank"}},
        ScriptCase{"ColonAloneIsNoLabel", {"GOTO :", ":", "INFO no"}, {errorBox(12, 1)}},
        ScriptCase{"MissingLabelIsError12", {"REM", "GOSUB NOWHERE"}, {errorBox(12, 2)}},
        ScriptCase{"EmptyGotoIsError2", {"GOTO"}, {errorBox(2, 1)}},
        ScriptCase{"EmptyGosubIsError2", {"REM", "GOSUB ,L", ":L"}, {errorBox(2, 2)}},
        // Names count up to 127 characters on both sides.
        ScriptCase{"LongLabelFoundByItsFirst127Characters",
                   {"GOTO " + kName127, ":" + kName127 + "TAIL", "INFO found"},
                   {"found"}},
        ScriptCase{"LongLabelFoundByItsWholeName",
                   {"GOTO " + kName127 + "TAIL", ":" + kName127 + "TAIL", "INFO found"},
                   {"found"}},
        ScriptCase{"LabelsDifferingAfter127CharactersAreOne",
                   {"GOTO " + kName127 + "Y", ":" + kName127 + "X", "INFO x", "EXIT", ":" + kName127 + "Y", "INFO y"},
                   {"x"}},
        ScriptCase{"The127thCharacterStillCounts",
                   {"GOTO " + kName127.substr(1) + "Y", ":" + kName127.substr(1) + "X", "INFO x", "EXIT",
                    ":" + kName127.substr(1) + "Y", "INFO y"},
                   {"y"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Stacks, FlowScripts,
    ::testing::Values(ScriptCase{"SevenLoopsNest", nestedLoops(7), {"inside", "outside"}},
                      ScriptCase{"EighthLoopIsError10", nestedLoops(8), {errorBox(10, 8)}},
                      ScriptCase{
                          "SevenCallsNest",
                          nestedCalls(7),
                          {"deepest", "back 7", "back 6", "back 5", "back 4", "back 3", "back 2", "back 1", "back 0"}},
                      // Three lines of main script and four per subroutine: the eighth
                      // GOSUB stands on the line after :S7.
                      ScriptCase{"EighthCallIsError10", nestedCalls(8), {errorBox(10, 3 + 6 * 4 + 2)}},
                      ScriptCase{"GotoOutOfALoopLeavesItOpen", {":TOP", "REPEAT", "GOTO TOP"}, {errorBox(10, 2)}},
                      ScriptCase{"UntilWithoutRepeatIsError15", {"INFO a", "UNTIL x"}, {"a", errorBox(15, 2)}},
                      ScriptCase{"UntilFalseRepeatsTheLoop",
                                 {"REPEAT", "INFO pass %A", "%B = %A", "%A = x", "UNTIL %B", "INFO done"},
                                 {"pass ", "pass x", "done"}},
                      ScriptCase{"ExitClosesLoopsOpenedInTheSubroutine",
                                 {"GOSUB SUB", "INFO back", "UNTIL x", ":SUB", "REPEAT", "REPEAT", "EXIT"},
                                 {"back", errorBox(15, 3)}},
                      ScriptCase{"ExitKeepsTheCallersLoopOpen",
                                 {"REPEAT", "GOSUB SUB", "UNTIL x", "INFO done", "EXIT", ":SUB", "REPEAT", "EXIT"},
                                 {"done"}},
                      ScriptCase{"ExitOutsideASubroutineEndsQuietly", {"INFO a", "EXIT", "INFO b"}, {"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The condition is the first field with blanks and control characters
// trimmed; any other text, "0" included, is true.
struct ConditionCase {
  const char* name;
  const char* preset;  // value of %A
  const char* condition;
  bool holds;
};

void PrintTo(const ConditionCase& c, std::ostream* os) { *os << c.name; }

class Conditions : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(Conditions, ChooseTheBranch) {
  ScriptHarness h;
  h.var('A') = GetParam().preset;
  h.run({std::string("IF ") + GetParam().condition, "INFO T", "ELSE", "INFO F", "END"});
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{GetParam().holds ? "T" : "F"});
}

INSTANTIATE_TEST_SUITE_P(IfAndUntil, Conditions,
                         ::testing::Values(ConditionCase{"Nothing", "", "", false},
                                           ConditionCase{"EmptyVariable", "", "%A", false},
                                           ConditionCase{"BlanksOnly", "   ", "%A", false},
                                           ConditionCase{"ControlCharacters", "\t\r\n", "%A", false},
                                           ConditionCase{"CarriageReturnFromAFunction", "", "@cr()", false},
                                           ConditionCase{"Zero", "", "0", true},
                                           ConditionCase{"TextInBlanks", " \tx ", "%A", true},
                                           ConditionCase{"HighCharacter", "\xE9", "%A", true},
                                           ConditionCase{"OnlyTheFirstFieldCounts", "", ",x", false},
                                           ConditionCase{"QuotedComma", "", "\",\"", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BlockWordCase {
  const char* line;
  core::BlockWord word;
};

TEST(BlockWords, FollowThePackedLookup) {
  using core::BlockWord;
  const BlockWordCase cases[] = {
      {"IF", BlockWord::If},         {"if x", BlockWord::If},    {"I x", BlockWord::If},
      {"IFE x", BlockWord::If},      {"IFX", BlockWord::If},     {"IFFY", BlockWord::None},
      {"ELSE", BlockWord::Else},     {"EL", BlockWord::Else},    {"EN", BlockWord::Else},
      {"ELSEND x", BlockWord::Else}, {"END", BlockWord::End},    {"END x", BlockWord::End},
      {"ENDX", BlockWord::End},      {"ENDIF", BlockWord::None}, {"  END", BlockWord::End},
      {"E", BlockWord::None},        {"   E", BlockWord::None},  {"   ", BlockWord::None},
      {"", BlockWord::None},         {":END", BlockWord::None},  {"REM END", BlockWord::None},
      {"INFO", BlockWord::None},     {"EXIT", BlockWord::None},  {"ELSEIF x", BlockWord::None},
  };
  for (const auto& c : cases) EXPECT_EQ(core::blockWordOf(c.line), c.word) << '"' << c.line << '"';
}

// Each jump of a long script goes to a far target. Looking the target up
// by scanning would examine the store once per jump (10^8 lines here); the
// index looks at each line a bounded number of times however often the
// script jumps.
TEST(FarJumps, LabelAtTheEndOfALongScriptIsLookedUpOnce) {
  constexpr std::size_t kLines = 100'000;
  Lines lines(1'000, "GOSUB LAST");
  lines.push_back("INFO done");
  lines.push_back("EXIT");
  lines.resize(kLines - 2, "REM filler");
  lines.push_back(":last");
  lines.push_back("EXIT");

  ScriptHarness h;
  h.run(lines);
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"done"});
  EXPECT_LE(h.rt.jumps.linesExamined(), 2 * kLines);
}

TEST(FarJumps, BlockSkipsOverLongBlocksAreRemembered) {
  constexpr std::size_t kFiller = 99'000;
  Lines lines;
  for (int i = 0; i < 500; ++i) lines.push_back("GOSUB SKIPS");
  lines.push_back("INFO done");
  lines.push_back("EXIT");
  lines.push_back(":SKIPS");
  lines.push_back("IF");  // false: skips to the ELSE
  lines.insert(lines.end(), kFiller / 2, "REM filler");
  lines.push_back("ELSE");
  lines.push_back("IF x");  // true: its ELSE skips to the END
  lines.push_back("ELSE");
  lines.insert(lines.end(), kFiller / 2, "REM filler");
  lines.push_back("END");
  lines.push_back("END");
  lines.push_back("EXIT");

  ScriptHarness h;
  h.run(lines);
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"done"});
  // Once for the labels, once for the block words, once per skip.
  EXPECT_LE(h.rt.jumps.linesExamined(), 4 * lines.size());
}

// A store replaced between runs may take over the old one's memory and
// size; the targets of the first script must not leak into the second.
TEST(LabelIndexLifetime, NewStoreOfTheSameSizeIsIndexedAfresh) {
  ScriptHarness h;
  h.rt.store = {"GOTO L", "INFO a", ":L", "INFO b"};
  core::runLines(h.rt);
  const Lines second{"GOTO L", ":L", "INFO c", "REM"};
  h.rt.store = second;  // same size: the vector keeps its buffer
  h.rt.line = 0;
  core::runLines(h.rt);
  EXPECT_EQ(h.boxTexts(), (std::vector<std::string>{"b", "c"}));
}

}  // namespace
}  // namespace quillan
