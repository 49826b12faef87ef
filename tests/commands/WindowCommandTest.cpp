#include <gtest/gtest.h>

#include "platform/fake/FakeWindowAutomation.h"
#include "runtime/commands/WindowCommands.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using fake::FakeWindowAutomation;
using os::Key;
using Log = std::vector<std::string>;

struct Harness : testing::ScriptHarness {
  FakeWindowAutomation windows;
  Harness() {
    rt.os.windows = &windows;
    rt.settings.skDelay = 0;
    windows.windows = {{"Report Viewer", "ViewerClass", {{10, 20, 300, 200}, os::ShowState::Normal}},
                       {"Notes", "Notepad", {{100, 50, 640, 480}, os::ShowState::Normal}}};
  }
};

struct CommandCase {
  const char* name;
  std::vector<std::string> lines;
  Log log;
  int success = 1;  // 1 set, 0 cleared, kKept left as it was
  int error = 0;
};
constexpr int kKept = -1;

class WindowLines : public ::testing::TestWithParam<CommandCase> {};

// The log shows exactly what reached the desktop. The success flag starts
// as the opposite of what the line must leave, and cleared for a line that
// must leave it alone (MessageKeepsASetFlag has the other way round).
TEST_P(WindowLines, ReachTheDesktopAsWritten) {
  const CommandCase& c = GetParam();
  Harness h;
  h.rt.success = c.success == 0;
  h.run(c.lines);
  EXPECT_EQ(h.windows.log, c.log);
  EXPECT_EQ(h.rt.error, c.error);
  if (c.error == 0) {
    EXPECT_EQ(h.rt.success, c.success == 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Window, WindowLines,
    ::testing::Values(
        CommandCase{"ActivateByTitle", {"WINDOW ACTIVATE,Report Viewer"}, {"activate Report Viewer"}},
        CommandCase{"ActivateByClassAnyCase", {"window activate,#viewerclass"}, {"activate Report Viewer"}},
        CommandCase{"PartOfATitleFindsNothing", {"WINDOW ACTIVATE,Report"}, {}, 0},
        CommandCase{"LeadingPartOfTheWord", {"WINDOW MAX,Notes"}, {"maximize Notes"}},
        CommandCase{"Iconize", {"WINDOW ICONIZE,Notes"}, {"iconize Notes"}},
        CommandCase{"Normal", {"WINDOW NORMAL,Notes"}, {"normal Notes"}},
        CommandCase{"OnTop", {"WINDOW ONTOP,Notes"}, {"ontop Notes"}},
        CommandCase{"Hide", {"WINDOW HIDE,Notes"}, {"hide Notes"}},
        CommandCase{"Close", {"WINDOW CLOSE,Notes"}, {"close Notes"}},
        CommandCase{"NotFound", {"WINDOW CLOSE,Nobody"}, {}, 0},
        // Positions where no operation starts (TOP inside ONTOP, END inside
        // SEND) and other words are error 14.
        CommandCase{"UnknownWord", {"WINDOW FOO,Notes"}, {}, 1, core::kUnknownWord},
        CommandCase{"WordInsideAnother", {"WINDOW TOP,Notes"}, {}, 1, core::kUnknownWord},
        CommandCase{"EmptyOperation", {"WINDOW ,Notes"}, {}, 1, core::kMissingArgument},
        CommandCase{"OperationAlone", {"WINDOW ACTIVATE"}, {}, 1, core::kMissingArgument},
        CommandCase{"UnknownWordWithoutWindow", {"WINDOW FOO"}, {}, 1, core::kMissingArgument},
        CommandCase{"SendWithoutKeys", {"WINDOW SEND,Notes"}, {}, 1, core::kMissingArgument},
        // POSITION: top, left, width, height; below 0 (or no number) keeps
        // the place, below 1 the size; an empty field is 0.
        CommandCase{"PositionMovesAndKeepsSize", {"WINDOW POSITION,Notes,100,50"}, {"place Notes 50,100,640,480"}},
        CommandCase{"PositionEmptyFieldsAreZero", {"WINDOW POSITION,Notes,,,300"}, {"place Notes 0,0,300,480"}},
        CommandCase{"PositionMinusOneKeeps", {"WINDOW POSITION,Notes,-1,-1,0,250"}, {"place Notes 100,50,640,250"}},
        CommandCase{"PositionNoNumberKeeps", {"WINDOW POSITION,Notes,x,7,abc,-5"}, {"place Notes 7,50,640,480"}},
        CommandCase{"PositionHexAndAll", {"WINDOW POSITION,Notes,$10,$20,$30,$40"}, {"place Notes 32,16,48,64"}},
        CommandCase{"PositionNotFound", {"WINDOW POSITION,Nobody,1,2,3,4"}, {}, 0},
        CommandCase{"PositionFieldError", {"WINDOW POSITION,Notes,1,@nosuch(),3,4"}, {}, 1, core::kUnknownFunction},
        // MESSAGE leaves the flag; numbers are cut to 16 bits, lparam to 32.
        CommandCase{"Message", {"WINDOW MESSAGE,Notes,16"}, {"message Notes 16,0,0"}, kKept},
        CommandCase{
            "MessageCut", {"WINDOW MESSAGE,#notepad,$12345,65537,-1"}, {"message Notes 9029,1,4294967295"}, kKept},
        CommandCase{"MessageNoNumberIsTheInvalidMark", {"WINDOW MESSAGE,Notes,x"}, {"message Notes 32769,0,0"}, kKept},
        CommandCase{"Broadcast", {"WINDOW MESSAGE,broadcast,26,1,2"}, {"message * 26,1,2"}, kKept},
        CommandCase{"MessageNotFoundKeepsFlag", {"WINDOW MESSAGE,Nobody,16"}, {}, kKept},
        CommandCase{"MessageNotFoundReadsNothingMore", {"WINDOW MESSAGE,Nobody,@nosuch()"}, {}, kKept}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowLines, MessageKeepsASetFlag) {
  Harness h;
  h.rt.success = true;
  h.run({"WINDOW MESSAGE,Nobody,16"});
  EXPECT_TRUE(h.rt.success);
}

TEST(WindowLines, AWindowGoneBeforePositionIsNotFound) {
  Harness h;
  h.windows.faults.failCall("placement", 1, 1);
  h.run({"WINDOW POSITION,Notes,1,2,3,4"});
  EXPECT_TRUE(h.windows.log.empty());
  EXPECT_FALSE(h.rt.success);
}

TEST(WindowLines, WithoutDesktopWindowsNothingIsFound) {
  Harness h;
  h.rt.os.windows = nullptr;
  h.run({"WINDOW SEND,Notes,abc", "%A = @ok()", "WINDOW MESSAGE,BROADCAST,16", "WINDOW ACTIVATE,Notes", "%B = @ok()"});
  EXPECT_EQ(h.var('A'), "");
  EXPECT_EQ(h.var('B'), "");
  EXPECT_EQ(h.rt.error, 0);
}

// --- SEND -------------------------------------------------------------------

std::string text(std::initializer_list<int> codes) {
  std::string out;
  for (const int c : codes) out += static_cast<char>(c);
  return out;
}

std::string down(Key k) { return FakeWindowAutomation::down(k); }
std::string up(Key k) { return FakeWindowAutomation::up(k); }
Log tap(Key k) { return {down(k), up(k)}; }
Log concat(std::initializer_list<Log> parts) {
  Log all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct SendCase {
  const char* name;
  std::string keys;
  Log typed;  // between "type into" and "end typing"
};

class SendKeys : public ::testing::TestWithParam<SendCase> {};

TEST_P(SendKeys, TypeTheKeyText) {
  Harness h;
  h.var('K') = GetParam().keys;
  h.run({"WINDOW SEND,Report Viewer,%K"});
  Log expected{"type into Report Viewer"};
  expected.insert(expected.end(), GetParam().typed.begin(), GetParam().typed.end());
  expected.push_back("end typing");
  EXPECT_EQ(h.windows.log, expected);
  EXPECT_TRUE(h.rt.success);
}

INSTANTIATE_TEST_SUITE_P(
    Window, SendKeys,
    ::testing::Values(
        SendCase{
            "CharactersAndEnter", "1+2=\r",
            concat({{"char 1"}, {down(Key::Shift), "char +", up(Key::Shift)}, {"char 2", "char ="}, tap(Key::Return)})},
        // The layout needs Shift for A, but code 250 holds it already.
        SendCase{"HeldShiftAddsNone", text({250, 'a', 251}), {down(Key::Shift), "char a", up(Key::Shift)}},
        SendCase{"HeldShiftCapital", text({250, 'A', 251}), {down(Key::Shift), "char A", up(Key::Shift)}},
        SendCase{"ShiftRuleForCapital", "A", {down(Key::Shift), "char A", up(Key::Shift)}},
        // Any held modifier suppresses the added Shift: Ctrl+A types as
        // Ctrl and the plain key.
        SendCase{"HeldCtrlSuppressesShift",
                 text({252, 'A', 253, 'B'}),
                 {down(Key::Control), "char A", up(Key::Control), down(Key::Shift), "char B", up(Key::Shift)}},
        SendCase{"AltCodes", text({254, 'x', 255}), {down(Key::Alt), "char x", up(Key::Alt)}},
        // After a release the flag is clear, even with another key held.
        SendCase{"ReleaseClearsTheFlag",
                 text({250, 252, 251, 'A'}),
                 {
                     down(Key::Shift),
                     down(Key::Control),
                     up(Key::Shift),
                     down(Key::Shift),
                     "char A",
                     up(Key::Shift),
                 }},
        SendCase{"ControlCodes", text({8, 9, 27, 3, 12, 16, 17, 18, 19, 20, 28, 29, 31}),
                 concat({tap(Key::BackSpace), tap(Key::Tab), tap(Key::Escape), tap(Key::Cancel), tap(Key::Clear),
                         tap(Key::Shift), tap(Key::Control), tap(Key::Alt), tap(Key::Pause), tap(Key::CapsLock),
                         tap(Key::Convert), tap(Key::NonConvert), tap(Key::ModeChange)})},
        SendCase{"CodesWithoutAKeyAreSkipped", text({1, 'a', 2, 4, 5, 7, 10, 11, 14, 30, 'b'}), {"char a", "char b"}},
        SendCase{
            "FunctionAndCursorKeys", text({228, 239, 240, 245, 248, 249}),
            concat({tap(Key::F1), tap(Key::F12), tap(Key::Home), tap(Key::Right), tap(Key::Insert), tap(Key::Delete)})},
        SendCase{"Latin1Characters", text({0xE3, 0xA9, ' '}), {"char \xE3", "char \xA9", "char  "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendKeys, KeyFunctionsBuildTheCodes) {
  Harness h;
  h.run({"WINDOW SEND,Notes,@shift(a)@key(F5)@ctrl(@key(end))@alt(q)"});
  const Log expected = concat({{"type into Notes", down(Key::Shift), "char a", up(Key::Shift)},
                               tap(Key::F5),
                               {down(Key::Control)},
                               tap(Key::End),
                               {up(Key::Control), down(Key::Alt), "char q", up(Key::Alt)},
                               {"end typing"}});
  EXPECT_EQ(h.windows.log, expected);
}

TEST(SendKeys, SkDelayPausesWithMessagesAfterEveryKey) {
  Harness h;
  h.rt.settings.skDelay = 5;
  h.run(
      {"WINDOW SEND,Notes,ab\x01"
       "c"});
  EXPECT_EQ(h.windows.flushes, 3);  // the skipped code costs no pause
  EXPECT_EQ(h.ui.messageRounds, 3);
  h.rt.settings.skDelay = 0;
  h.windows.flushes = 0;
  h.ui.messageRounds = 0;
  h.run({"WINDOW SEND,Notes,abc"});
  EXPECT_EQ(h.windows.flushes, 0);
}

TEST(SendKeys, NothingIsTypedWhenNoWindowMatches) {
  Harness h;
  h.run({"WINDOW SEND,Nobody,abc"});
  EXPECT_TRUE(h.windows.log.empty());
  EXPECT_FALSE(h.rt.success);
}

TEST(SendKeys, FindFailingOnCueTypesNothingAndTheNextSendTypes) {
  Harness h;
  h.windows.faults.failCall("find", 1, 1);
  h.run({"WINDOW SEND,Notes,a", "%A = @ok()", "WINDOW SEND,Notes,b", "%B = @ok()"});
  EXPECT_EQ(h.var('A'), "");
  EXPECT_EQ(h.var('B'), "1");
  EXPECT_EQ(h.windows.log, (Log{"type into Notes", "char b", "end typing"}));
}

TEST(KeyCodes, EveryCodeHasOneMeaning) {
  // 32-227 are characters, 250-255 modifiers: neither is a key of its own.
  for (int code = 32; code < 228; ++code) EXPECT_FALSE(commands::keyForCode(code)) << code;
  for (int code = 250; code < 256; ++code) EXPECT_FALSE(commands::keyForCode(code)) << code;
  EXPECT_EQ(commands::keyForCode(249), Key::Delete);
  EXPECT_EQ(commands::keyForCode(13), Key::Return);
}

}  // namespace
}  // namespace quillan
