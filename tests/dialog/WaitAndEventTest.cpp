// WAIT on the host's clock, and the functions that read what the dialog
// left behind: EVENT, CLICK and DLGTEXT.
#include <numeric>

#include "ScriptFixture.h"

namespace quillan::testing {
namespace {

using Wait = ScriptFixture;

std::int64_t total(const std::vector<int>& pauses) { return std::accumulate(pauses.begin(), pauses.end(), 0LL); }

TEST_F(Wait, TimeArgumentsAreWholeSecondsOfAtLeastOne) {
  const std::vector<std::pair<std::string, std::int64_t>> cases = {
      {"WAIT", 1000},   {"WAIT 0", 1000},  {"WAIT -3", 1000},  {"WAIT 2.5", 1000},
      {"WAIT 3", 3000}, {"WAIT $2", 2000}, {"WAIT 5,2", 2000},  // a later time replaces an earlier one
  };
  for (const auto& [text, millis] : cases) {
    SCOPED_TRACE(text);
    host.pauses.clear();
    ASSERT_EQ(line(text), 0);
    EXPECT_EQ(total(host.pauses), millis);
    EXPECT_EQ(host.pauses.front(), 50);  // SLEEPTIME
  }
}

TEST_F(Wait, EventsDoNotShortenATimedWaitAndOnlyTheLastStays) {
  int round = 0;
  ui.onRound = [&] {
    ++round;
    if (round == 3) rt.settings.eventText = "GOBUTTON";
    if (round == 5) rt.settings.eventText = "GOBUTTON";
  };
  ASSERT_EQ(line("WAIT 2"), 0);
  EXPECT_EQ(total(host.pauses), 2000);
  EXPECT_EQ(rt.settings.eventText, "GOBUTTON");
  EXPECT_EQ(host.idleRounds, 0);
}

TEST_F(Wait, WaitEventEndsAtTheFirstRoundWithAnEvent) {
  int round = 0;
  ui.onRound = [&] {
    if (++round == 4) rt.settings.eventText = "OKBUTTON";
  };
  rt.settings.sleepTime = 10;
  ASSERT_EQ(line("wait event"), 0);
  EXPECT_EQ(host.pauses, (std::vector<int>{10, 10, 10, 10}));
  EXPECT_EQ(host.idleRounds, 3);  // the rounds that found the slot empty
  EXPECT_EQ(rt.settings.eventText, "OKBUTTON");

  // An event that was not read ends the next wait after one pause.
  host.pauses.clear();
  ASSERT_EQ(line("WAIT EVENT"), 0);
  EXPECT_EQ(host.pauses.size(), 1u);
}

TEST_F(Wait, ATimeLimitWithoutAnEventLeavesTimer) {
  for (const std::string text : {"WAIT EVENT,2", "WAIT 2,EVENT"}) {
    SCOPED_TRACE(text);
    host.pauses.clear();
    rt.settings.eventText.clear();
    ASSERT_EQ(line(text), 0);
    EXPECT_EQ(rt.settings.eventText, "TIMER");
    EXPECT_EQ(total(host.pauses), 2000);
  }
  // An event in the round that ends the time wins over TIMER.
  host.pauses.clear();
  rt.settings.eventText.clear();
  ui.onRound = [&] {
    if (host.now >= 1000) rt.settings.eventText = "LATEBUTTON";
  };
  ASSERT_EQ(line("WAIT EVENT,1"), 0);
  EXPECT_EQ(rt.settings.eventText, "LATEBUTTON");
}

TEST_F(Wait, NothingLeftToWaitForGivesUpOnlyWithoutATimeLimit) {
  host.onIdle = [] { return core::IdleOutcome::Stuck; };
  ASSERT_EQ(line("WAIT EVENT"), 0);
  EXPECT_TRUE(rt.stuck);
  EXPECT_TRUE(rt.stop);
  EXPECT_EQ(host.stuckReports, 1);

  rt.stuck = rt.stop = false;
  host.pauses.clear();
  ASSERT_EQ(line("WAIT EVENT,1"), 0);
  EXPECT_FALSE(rt.stuck);
  EXPECT_EQ(rt.settings.eventText, "TIMER");
}

TEST_F(Wait, ActionsFillTheSlotInLaterRounds) {
  int actions = 0;
  host.onIdle = [&] {
    ++actions;
    rt.settings.eventText = "OKBUTTON";  // a click on a button runs its handler at once
    return core::IdleOutcome::Acted;
  };
  ASSERT_EQ(line("WAIT EVENT"), 0);
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(host.pauses.size(), 2u);
}

TEST_F(Wait, LongAndOddTimesAreMeasuredSoundly) {
  // More seconds than 32-bit milliseconds can hold still wait that long.
  rt.settings.sleepTime = 1000000000;
  ASSERT_EQ(line("WAIT 2147484"), 0);
  EXPECT_EQ(host.pauses.size(), 3u);
  // A SLEEPTIME below zero pauses not at all rather than for ever.
  host.pauses.clear();
  rt.settings.sleepTime = -32767;
  ui.onRound = [&] { host.now += 100; };
  ASSERT_EQ(line("WAIT 1"), 0);
  EXPECT_EQ(host.pauses, std::vector<int>(10, 0));
}

TEST_F(Wait, WithoutADesktopNoWaitCostsTime) {
  rt.dialog = &core::NoDialog::instance();
  for (const std::string text : {"WAIT 2147483647", "WAIT EVENT,2147483647", "WAIT 1"}) {
    SCOPED_TRACE(text);
    ui.messageRounds = 0;
    rt.settings.eventText.clear();
    ASSERT_EQ(line(text), 0);
    EXPECT_EQ(ui.messageRounds, 1);
  }
  EXPECT_EQ(rt.settings.eventText, "");  // WAIT 1 waits for no event
  ASSERT_EQ(line("WAIT EVENT"), 0);
  EXPECT_TRUE(rt.stuck);  // nothing can ever come
}

TEST_F(Wait, AFailingArgumentEndsTheLineBeforeWaiting) {
  EXPECT_EQ(line("WAIT @nosuch(1)"), 7);
  EXPECT_TRUE(host.pauses.empty());
}

using EventFunctions = ScriptFixture;

TEST_F(EventFunctions, EventReadsTheSlotOnce) {
  rt.settings.eventText = "OKBUTTON";
  EXPECT_EQ(value("@event()"), "OKBUTTON");
  EXPECT_EQ(value("@event()"), "");
}

TEST_F(EventFunctions, ClickReportsTheLastPress) {
  rt.click = {"RIGHT", 10, 20};
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"@click(BUTTON)", "RIGHT"},
      {"@click(b)", "RIGHT"},
      {"@click(x)", "10"},
      {"@click(Y)", "20"},
      {"@click(REGION,0,0,30,30)", "1"},
      {"@click(r,20,10,20,10)", "1"},  // bounds are inclusive
      {"@click(REGION,0,0,15,30)", ""},
      {"@click(REGION,0,11,30,30)", ""},
      {"@click(REGION,,,$20,$A)", "1"},
  };
  for (const auto& [expression, expected] : cases) {
    SCOPED_TRACE(expression);
    EXPECT_EQ(value(expression), expected);
    EXPECT_EQ(rt.error, 0);
  }
  EXPECT_EQ(line("%Z = @click()"), 11);
  EXPECT_EQ(line("%Z = @click(T)"), 13);  // inside BUTTON, not where a selector starts
  EXPECT_EQ(line("%Z = @click(REG2)"), 13);
}

TEST_F(EventFunctions, DlgTextNeedsADialogAndAnElementWithAValue) {
  EXPECT_EQ(line("%Z = @dlgtext(E1)"), 22);
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100,EDIT(E1;;;;;first),BUTTON(B1)"), 0);
  EXPECT_EQ(value("@dlgtext(e1)"), "first");
  ASSERT_EQ(line("DIALOG SET,E1,abc"), 0);
  EXPECT_EQ(value("@dlgtext(E1)"), "abc");
  EXPECT_EQ(line("%Z = @dlgtext(NOSUCH)"), 23);
  EXPECT_EQ(line("%Z = @dlgtext(B1)"), 23);
  EXPECT_EQ(line("%Z = @dlgtext()"), 23);
}

}  // namespace
}  // namespace quillan::testing
