// Unattended user actions drive the real widgets: the same handlers run as
// when a person acts, and each action is echoed to the transcript.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "DialogWindowFixture.h"

namespace quillan::testing {
namespace {

using Actions = DialogWindow;

// Waits for events and answers each with its name in %R.
const std::vector<std::string> kEventLoop = {
    ":loop", "WAIT EVENT", "%E = @event()", "%R = %R|%E", "IF @equal(%E,OKBUTTON)", "EXIT", "END", "GOTO loop"};

std::vector<std::string> script(std::vector<std::string> head) {
  head.insert(head.end(), kEventLoop.begin(), kEventLoop.end());
  return head;
}

TEST_F(Actions, AFormIsFilledInAndConfirmed) {
  useAnswers(
      "OK\n"
      "type Name Bob Smith\n"
      "type Size Large\n"
      "select Extras napkins\n"
      "select Pay CHEQUE\n"
      "check Gift 1\n"
      "menu Help\n"
      "click Map RIGHT 5 6\n"
      "close\n"
      "tray Tray\n"
      "click OK\n");
  ASSERT_EQ(run(script({"DIALOG CREATE,Order,-1,0,300,260,EDIT(Name;;;;;Alice),COMBO(Size;40;10;;;Medium),"
                        "LIST(Extras;70;10;120;60),RADIO(Pay;10;200;90;;Pay by;Cash|Card|Cheque;card),"
                        "CHECK(Gift;140;10;;;Gift wrap),BITMAP(Map;;;;;/work/pic.png;CLICK),BUTTON(OK;170;10),"
                        "POPUP(Help),TASKICON(Tray)",
                        "DIALOG SET,Extras,Sauce", "DIALOG SET,Extras,Napkins"})),
            0);
  EXPECT_EQ(rt.vars[9 + 17], "|HELPMENU|MapCLICK|CLOSE|TRAYICON|OKBUTTON");
  EXPECT_EQ(value("@dlgtext(Name)"), "Bob Smith");
  EXPECT_EQ(value("@dlgtext(Size)"), "Large");
  EXPECT_EQ(value("@dlgtext(Extras)"), "Napkins");
  EXPECT_EQ(value("@dlgtext(Pay)"), "Cheque");
  EXPECT_EQ(value("@dlgtext(Gift)"), "1");
  EXPECT_EQ(value("@click(button)"), "RIGHT");
  // The combo box kept what was typed when the focus moved on.
  EXPECT_EQ(widget<QComboBox>("Size")->findText("Large"), 0);
  EXPECT_EQ(transcriptText(),
            "action\ttype Name Bob Smith\naction\ttype Size Large\naction\tselect Extras napkins\n"
            "action\tselect Pay CHEQUE\naction\tcheck Gift 1\naction\tmenu Help\naction\tclick Map RIGHT 5 6\n"
            "action\tclose\naction\ttray Tray\naction\tclick OK\n");
  EXPECT_EQ(session->answers().size(), 1u);  // answers are for boxes, not for WAIT
}

TEST_F(Actions, ActionsThatCannotBeDoneAreEchoedAndPassOver) {
  useAnswers(
      "click Nobody\n"
      "click Off\n"
      "fly away\n"
      "drop /tmp/x.txt\n"
      "click OK\n");
  ASSERT_EQ(run(script({"DIALOG CREATE,Skip,20,30,300,200,BUTTON(OK),BUTTON(Off)", "DIALOG DISABLE,Off"})), 0);
  EXPECT_EQ(rt.vars[9 + 17], "|OKBUTTON");
  // The malformed line is not echoed; the others are, done or not.
  EXPECT_EQ(transcriptText(), "action\tclick Nobody\naction\tclick Off\naction\tdrop /tmp/x.txt\naction\tclick OK\n");
}

TEST_F(Actions, ButtonAndItemActionsPassOverATrayIcon) {
  useAnswers("click Tray\nselect Tray x\ntype Tray x\ncheck Tray 1\nclick OK\n");
  ASSERT_EQ(run(script({"DIALOG CREATE,Tray,20,30,300,200,TASKICON(Tray),BUTTON(OK)"})), 0);
  EXPECT_EQ(rt.vars[9 + 17], "|OKBUTTON");
  EXPECT_EQ(transcriptText(),
            "action\tclick Tray\naction\tselect Tray x\naction\ttype Tray x\naction\tcheck Tray 1\naction\tclick OK\n");
}

TEST_F(Actions, DropsReachAWindowThatTakesThem) {
  useAnswers("drop /tmp/one.txt \"/tmp/two words.txt\"\n");
  ASSERT_EQ(run({"DIALOG CREATE,Drop,20,30,300,200,DLGTYPE(DRAGDROP)", "WAIT EVENT"}), 0);
  EXPECT_EQ(rt.settings.eventText, "DRAGDROP");
  EXPECT_EQ(rt.droppedFiles, (std::vector<std::string>{"/tmp/one.txt", "/tmp/two words.txt"}));
}

TEST_F(Actions, NothingLeftToDoEndsTheWaitAsStuck) {
  useAnswers("click OK\n");
  ASSERT_EQ(run(script({"DIALOG CREATE,Stuck,20,30,300,200,BUTTON(Other)"})), 0);
  EXPECT_TRUE(rt.stuck);
  EXPECT_TRUE(rt.stop);
  EXPECT_EQ(transcriptText(), "action\tclick OK\nstuck\n");
}

TEST_F(Actions, ATimeLimitStillEndsWithTimerWhenNothingIsLeft) {
  useAnswers("");
  ASSERT_EQ(run({"WAIT EVENT,1"}), 0);
  EXPECT_FALSE(rt.stuck);
  EXPECT_EQ(rt.settings.eventText, "TIMER");
  EXPECT_EQ(transcriptText(), "");
}

}  // namespace
}  // namespace quillan::testing
