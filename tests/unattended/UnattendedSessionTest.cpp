#include <gtest/gtest.h>

#include <cstdio>

#include "platform/unattended/UnattendedSession.h"
#include "platform/unattended/UnattendedSessionManager.h"

namespace quillan::unattended {
namespace {

using os::BoxAnswer;
using os::BoxButtons;
using os::BoxIcon;

// Captures what a session writes.
struct Capture {
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* file = open_memstream(&text, &size);
  ~Capture() {
    std::fclose(file);
    std::free(text);
  }
  std::string str() {
    std::fflush(file);
    return std::string(text, size);
  }
};

TEST(Escaping, EachSpecialCharacterHasItsOwnEscape) {
  EXPECT_EQ(escapeField("a\\b\tc\rd\ne"), "a\\\\b\\tc\\rd\\ne");
  EXPECT_EQ(escapeField(""), "");
}

TEST(AnswerFile, SplitsAnswersFromActionsKeepingOrder) {
  const AnswerFile file = parseAnswers("ok\r\nclick OK\n\n# comment\n  YES\ntext hello world\ntype NAME x\nCancel");
  EXPECT_EQ(file.answers, (std::deque<std::string>{"ok", "YES", "text hello world", "Cancel"}));
  EXPECT_EQ(file.actions, (std::deque<std::string>{"click OK", "type NAME x"}));
}

struct BoxCase {
  const char* name;
  const char* answers;
  BoxButtons buttons;
  BoxAnswer expected;
  const char* written;
};

class Boxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(Boxes, TakeTheNextFittingAnswerOrTheDefault) {
  Capture out, err;
  UnattendedSession session(parseAnswers(GetParam().answers), out.file, err.file);
  EXPECT_EQ(session.messageBox("Cap", "Line1\rLine2", BoxIcon::Question, GetParam().buttons), GetParam().expected);
  EXPECT_EQ(out.str(), std::string("box\tquestion\t") + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Unattended, Boxes,
    ::testing::Values(
        BoxCase{"NoAnswerOkBox", "", BoxButtons::Ok, BoxAnswer::Ok, "OK\tCap\tLine1\\rLine2\tOK\n"},
        BoxCase{"NoAnswerYesNoTakesYes", "", BoxButtons::YesNo, BoxAnswer::Yes, "YESNO\tCap\tLine1\\rLine2\tYES\n"},
        BoxCase{"NoAnswer", "NO", BoxButtons::YesNoCancel, BoxAnswer::No, "YESNOCANCEL\tCap\tLine1\\rLine2\tNO\n"},
        BoxCase{"Cancel", "cancel", BoxButtons::OkCancel, BoxAnswer::Cancel, "OKCANCEL\tCap\tLine1\\rLine2\tCANCEL\n"},
        BoxCase{"UnfitAnswerGivesDefault", "NO", BoxButtons::OkCancel, BoxAnswer::Ok,
                "OKCANCEL\tCap\tLine1\\rLine2\tOK\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Boxes, AnswersAreTakenInOrderThenDefaultsFollow) {
  Capture out, err;
  UnattendedSession session(parseAnswers("NO\nclick X\nCANCEL\n"), out.file, err.file);
  EXPECT_EQ(session.messageBox("c", "t", BoxIcon::Question, BoxButtons::YesNo), BoxAnswer::No);
  EXPECT_EQ(session.messageBox("c", "t", BoxIcon::Question, BoxButtons::YesNoCancel), BoxAnswer::Cancel);
  EXPECT_EQ(session.messageBox("c", "t", BoxIcon::Question, BoxButtons::YesNo), BoxAnswer::Yes);
  EXPECT_EQ(session.actions().size(), 1u);
}

struct InputCase {
  const char* name;
  const char* answers;
  bool confirmed;
  const char* text;     // the answer the script gets
  const char* written;  // the answer field of the line
};

class InputBoxes : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputBoxes, TakeTextOrCancelAndShowWhatWasTaken) {
  Capture out, err;
  UnattendedSession session(parseAnswers(GetParam().answers), out.file, err.file);
  std::string answer = "unchanged";
  EXPECT_EQ(session.inputBox("Cap", "Name?\r", "Bob", answer), GetParam().confirmed);
  EXPECT_EQ(answer, GetParam().text);
  EXPECT_EQ(out.str(), std::string("input\tCap\tName?\\r\tBob\t") + GetParam().written + "\n");
}

INSTANTIATE_TEST_SUITE_P(Unattended, InputBoxes,
                         ::testing::Values(InputCase{"Text", "TEXT Alice Smith", true, "Alice Smith",
                                                     "TEXT Alice Smith"},
                                           InputCase{"TextKeepsOuterBlanks", "text  two ", true, " two ", "TEXT  two "},
                                           InputCase{"EmptyText", "TEXT", true, "", "TEXT "},
                                           InputCase{"Cancel", "CANCEL", false, "unchanged", "CANCEL"},
                                           InputCase{"OkTakesTheDefault", "OK", true, "Bob", "TEXT Bob"},
                                           InputCase{"NoAnswerLeft", "", true, "Bob", "TEXT Bob"},
                                           InputCase{"UnfitAnswerTakesTheDefault", "NO", true, "Bob", "TEXT Bob"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputBoxes, ShareTheAnswerQueueWithBoxes) {
  Capture out, err;
  UnattendedSession session(parseAnswers("TEXT x\nCANCEL\n"), out.file, err.file);
  std::string answer;
  EXPECT_EQ(session.messageBox("c", "t", BoxIcon::Question, BoxButtons::Ok), BoxAnswer::Ok);  // TEXT does not fit
  EXPECT_FALSE(session.inputBox("c", "p", "d", answer));
  EXPECT_NE(err.str().find("TEXT x"), std::string::npos);
}

struct ChooserCase {
  const char* name;
  const char* answers;
  bool chosen;
  const char* path;     // what the script gets
  const char* written;  // the answer field of the line
  bool complaint;       // a line on standard error
};

class Choosers : public ::testing::TestWithParam<ChooserCase> {};

TEST_P(Choosers, TakeAPathOrCancel) {
  const ChooserCase& c = GetParam();
  for (const bool folder : {false, true}) {
    Capture out, err;
    UnattendedSession session(parseAnswers(c.answers), out.file, err.file);
    std::string path = "unchanged";
    const bool chosen = folder ? session.chooseDirectory("Where\t", path) : session.chooseFile("Open", "A|*.a", path);
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(out.str(), folder ? std::string("dirdlg\tWhere\\t\t") + c.written + "\n"
                                : std::string("filedlg\tOpen\tA|*.a\t") + c.written + "\n");
    EXPECT_EQ(err.str().empty(), !c.complaint);
  }
}

INSTANTIATE_TEST_SUITE_P(Unattended, Choosers,
                         ::testing::Values(ChooserCase{"Text", "TEXT /tmp/a b.txt", true, "/tmp/a b.txt",
                                                       "TEXT /tmp/a b.txt", false},
                                           ChooserCase{"Cancel", "cancel", false, "unchanged", "CANCEL", false},
                                           ChooserCase{"NoAnswerLeftCancels", "", false, "unchanged", "CANCEL", false},
                                           ChooserCase{"OkChoosesNothing", "OK", false, "unchanged", "CANCEL", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SessionEnd, IsWrittenNotPerformed) {
  Capture out, err;
  UnattendedSession session(AnswerFile{}, out.file, err.file);
  UnattendedSessionManager manager(session);
  EXPECT_TRUE(manager.endSession(os::SessionEnd::Shutdown));
  EXPECT_TRUE(manager.endSession(os::SessionEnd::PowerOff));
  EXPECT_TRUE(manager.endSession(os::SessionEnd::Reboot));
  EXPECT_EQ(out.str(), "exitwin\tSHUTDOWN\nexitwin\tSHUTDOWN\tPOWEROFF\nexitwin\tREBOOT\n");
}

}  // namespace
}  // namespace quillan::unattended
