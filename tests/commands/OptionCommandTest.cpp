#include <gtest/gtest.h>

#include "platform/fake/FakeProcesses.h"
#include "tests/dialog/RecordingHost.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using os::Priority;

struct Harness : testing::ScriptHarness {
  fake::FakeProcesses processes;
  Harness() { rt.os.processes = &processes; }
};

// The settings a case looks at, starting from the defaults.
struct Expected {
  bool shortFileNames = false;
  std::int32_t sleepTime = 50;
  char fieldSep = '|';
  std::int32_t regBuf = 256;
  Priority priority = Priority::Normal;
  std::int32_t skDelay = 10;
};

struct OptionCase {
  const char* name;
  std::vector<std::string> lines;
  int error;
  Expected expected;
};

class Options : public ::testing::TestWithParam<OptionCase> {};

TEST_P(Options, ChangeTheirSetting) {
  const OptionCase& c = GetParam();
  for (const bool before : {true, false}) {
    Harness h;
    h.rt.success = before;
    for (const std::string& line : c.lines) {
      h.setLine(line);
      (*h.rt.commands)[core::Command::Option](h.rt);
    }
    EXPECT_EQ(h.rt.error, c.error);
    EXPECT_EQ(h.rt.success, before);  // OPTION never touches the flag
    const core::RunSettings& s = h.rt.settings;
    EXPECT_EQ(s.shortFileNames, c.expected.shortFileNames);
    EXPECT_EQ(s.sleepTime, c.expected.sleepTime);
    EXPECT_EQ(s.fieldSep, c.expected.fieldSep);
    EXPECT_EQ(s.regBuf, c.expected.regBuf);
    EXPECT_EQ(h.processes.ownPriority, c.expected.priority);
    EXPECT_EQ(s.skDelay, c.expected.skDelay);
  }
}

// The defaults with one setting changed.
template <typename Field, typename Value>
Expected with(Field Expected::*field, Value value) {
  Expected e;
  e.*field = static_cast<Field>(value);
  return e;
}

INSTANTIATE_TEST_SUITE_P(
    Option, Options,
    ::testing::Values(
        OptionCase{"FileNameShort", {"OPTION FILENAME,short"}, 0, with(&Expected::shortFileNames, true)},
        OptionCase{"FileNameLongSwitchesOff", {"OPTION FILENAME,SHORT", "OPTION FILE,LONG"}, 0, {}},
        OptionCase{"FileNameShorterWordIsOff", {"OPTION FILENAME,SHORTER"}, 0, {}},
        OptionCase{"SleepByFirstOccurrence", {"OPTION SLEEP,200"}, 0, with(&Expected::sleepTime, 200)},
        OptionCase{"SleepHex", {"OPTION sleeptime,$10"}, 0, with(&Expected::sleepTime, 16)},
        OptionCase{"SleepNotANumberKeepsTheSetting",
                   {"OPTION SLEEPTIME,20", "OPTION SLEEPTIME,soon"},
                   0,
                   with(&Expected::sleepTime, 20)},
        OptionCase{"SleepInvalidMarkKeepsTheSetting", {"OPTION SLEEPTIME,-32767"}, 0, {}},
        OptionCase{"FieldSepTakesTheFirstCharacter", {"OPTION FIELDSEP,;;"}, 0, with(&Expected::fieldSep, ';')},
        OptionCase{"RegBuf", {"OPTION REGBUF,16"}, 0, with(&Expected::regBuf, 16)},
        OptionCase{"RegBufNotANumberKeepsTheSetting", {"OPTION REGBUF,1k"}, 0, {}},
        OptionCase{"SkDelayByFirstOccurrence", {"OPTION SKD,5"}, 0, with(&Expected::skDelay, 5)},
        OptionCase{"PriorityIdle", {"OPTION PRIO,idle"}, 0, with(&Expected::priority, Priority::Idle)},
        OptionCase{"PriorityHigh", {"OPTION PRIORITY,HIGH"}, 0, with(&Expected::priority, Priority::High)},
        OptionCase{"PriorityOtherWordIsNormal", {"OPTION PRIORITY,IDLE", "OPTION PRIORITY,NORMAL"}, 0, {}},
        OptionCase{"NoValueIsError2", {"OPTION REGBUF"}, 2, {}}, OptionCase{"NoKeywordIsError2", {"OPTION ,5"}, 2, {}},
        OptionCase{"KeywordInsideAWordIsError14", {"OPTION NAME,5"}, 14, {}},
        OptionCase{"UnknownKeywordIsError14", {"OPTION COLOUR,5"}, 14, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A priority the system refuses leaves the runtime where it was, with no
// error and the flag untouched.
TEST(OptionPriority, RefusedIsNoError) {
  Harness h;
  h.processes.faults.failCall("setOwnPriority", 2, 1);
  h.run({"OPTION PRIORITY,IDLE", "OPTION PRIORITY,HIGH", "%A = @ok()"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.processes.ownPriority, Priority::Idle);
  EXPECT_EQ(h.var('A'), "1");
}

TEST(OptionEffects, FieldSepSplitsParse) {
  Harness h;
  h.run({"OPTION FIELDSEP,;", "PARSE \"%A;%B\",one;two|three"});
  EXPECT_EQ(h.var('A'), "one");
  EXPECT_EQ(h.var('B'), "two|three");
}

TEST(OptionEffects, SleepTimeIsWaitsPause) {
  Harness h;
  testing::RecordingHost host;
  h.rt.dialog = &host;
  h.run({"OPTION SLEEPTIME,250", "WAIT 1"});
  ASSERT_FALSE(host.pauses.empty());
  EXPECT_EQ(host.pauses.front(), 250);
}

TEST(OptionEffects, RegBufLimitsRegRead) {
  Harness h;
  h.registry.putString("Software\\T", "V", "abcd");  // five bytes with the NUL
  h.run({"OPTION REGBUF,5", "%A = @regread(CURUSER,Software\\T,V,none)", "OPTION REGBUF,4",
         "%B = @regread(CURUSER,Software\\T,V,none)"});
  EXPECT_EQ(h.var('A'), "abcd");
  EXPECT_EQ(h.var('B'), "none");
}

}  // namespace
}  // namespace quillan
