// The checker: a table of scripts with one fault each and the one warning
// it must give, scripts that are sound however odd they look, and the
// warning format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/quillanc/ScriptCompiler.h"
#include "tools/quillanc/check/ScriptChecker.h"

namespace quillan::checker {
namespace {

std::vector<std::string> check(const std::string& source) {
  std::vector<std::string> shown;
  for (const Warning& w : checkScript(compiler::splitSourceLines(source))) shown.push_back(formatWarning("s.qs", w));
  return shown;
}

struct Faulty {
  const char* what;
  const char* source;
  const char* warning;
};

// A dialog whose events are reached through GOTO %E, for the event cases.
#define DIALOG_HEAD                                 \
  "DIALOG CREATE,T,-1,0,200,100,BUTTON(Ok;8;8),-\n" \
  "  POPUP(Open|Save as...)\n"                      \
  ":wait\nWAIT EVENT\n%E = @event()\nGOTO %E\n"     \
  ":OKBUTTON\n:OPENMENU\n:SAVE AS...MENU\n:CLOSE\nEXIT\n"

const Faulty kFaulty[] = {
    {"unknown word", "INFO a\nFROB x\n", "s.qs:2:1: warning: unknown command 'FROB' [-Wunknown-command]"},
    {"unknown word after blanks", "   WAITT 1\n", "s.qs:1:4: warning: unknown command 'WAITT' [-Wunknown-command]"},
    {"P is found inside REPEAT, where no command starts", "P x\n",
     "s.qs:1:1: warning: unknown command 'P' [-Wunknown-command]"},
    {"a tab indents", "IF 1\n\tINFO x\nEND\n",
     "s.qs:2:1: warning: '\\tINFO' is no command: only blanks may indent a line [-Wunknown-command]"},
    {"a byte order mark", "\xEF\xBB\xBFREM saved by an editor\n",
     "s.qs:1:1: warning: '\\xEF\\xBB\\xBFREM' is no command: the file starts with a UTF-8 byte order mark "
     "[-Wunknown-command]"},
    {"a tab ends the word", "  INFO\tx\n",
     "s.qs:1:3: warning: 'INFO\\tx' is no command: a blank, not a tab, must end the command word [-Wunknown-command]"},
    {"GOTO nowhere", ":top\nGOTO  tpo\n", "s.qs:2:7: warning: GOTO to undefined label 'tpo' [-Wundefined-label]"},
    {"GOSUB nowhere, abbreviated", "GOS sub\nEXIT\n:sib\nEXIT\n",
     "s.qs:1:5: warning: GOSUB to undefined label 'sub' [-Wundefined-label]"},
    {"trailing blanks of the label count", ":here \nGOTO here\n",
     "s.qs:2:6: warning: GOTO to undefined label 'here' (':here ' differs only in blanks at the end, which count) "
     "[-Wundefined-label]"},
    {"GOTO without a label", "  GOTO\n", "s.qs:1:3: warning: GOTO without a label [-Wundefined-label]"},
    {"label twice, any case", ":Start\nINFO x\n:START\n",
     "s.qs:3:1: warning: label ':START' is already defined at line 1; jumps go there [-Wduplicate-label]"},
    {"IF never closed", "IF 1\n  INFO x\n", "s.qs:1:1: warning: IF without END [-Wunpaired-block]"},
    {"IF never closed, indented", "INFO x\n   IF 1\n", "s.qs:2:4: warning: IF without END [-Wunpaired-block]"},
    {"nested IF never closed", "IF 1\n  IF 2\n  INFO x\nEND\n", "s.qs:1:1: warning: IF without END [-Wunpaired-block]"},
    {"ELSE without IF", "INFO x\n  ELSE\n", "s.qs:2:3: warning: ELSE without IF [-Wunpaired-block]"},
    {"END without IF", "END\n", "s.qs:1:1: warning: END without IF [-Wunpaired-block]"},
    {"second ELSE", "IF 1\nELSE\nELSE\nEND\n",
     "s.qs:3:1: warning: second ELSE for the IF at line 1 (its first is at line 2) [-Wunpaired-block]"},
    {"UNTIL without REPEAT", "UNTIL 1\nREPEAT\nUNTIL 1\n",
     "s.qs:1:1: warning: UNTIL without REPEAT [-Wunpaired-block]"},
    {"REPEAT never closed", "REPEAT\n  REPEAT\n  UNTIL 1\n",
     "s.qs:1:1: warning: REPEAT without UNTIL [-Wunpaired-block]"},
    {"unknown function", "INFO @len(a) @lenght(b)\n",
     "s.qs:1:14: warning: '@lenght' selects no function [-Wunknown-function]"},
    {"a tab counts as one column", "INFO a\t\t@frob(1)\n",
     "s.qs:1:9: warning: '@frob' selects no function [-Wunknown-function]"},
    {"unknown function in an argument", "%A = @sum(1,@frob(2))\n",
     "s.qs:1:13: warning: '@frob' selects no function [-Wunknown-function]"},
    {"unknown function in an IF condition", "IF @equl(a,b)\nEND\n",
     "s.qs:1:4: warning: '@equl' selects no function [-Wunknown-function]"},
    {"no ( on the line", "WARN @event\n", "s.qs:1:6: warning: missing '(' after '@event' [-Wcall-parens]"},
    {"the ( of a later call", "INFO @event, @len(x)\n",
     "s.qs:1:6: warning: missing '(' after '@event' [-Wcall-parens]"},
    {"blank before (", "INFO @len (x)\n",
     "s.qs:1:6: warning: blank between '@len' and its '(': the name must be followed directly by '(' "
     "[-Wcall-parens]"},
    {"no )", "INFO @upper(@len(abc)\n", "s.qs:1:6: warning: missing ')' to close '@upper(' [-Wcall-parens]"},
    {"no ) in a nested call", "INFO @upper(@len(abc,x\n",
     "s.qs:1:13: warning: missing ')' to close '@len(' [-Wcall-parens]"},
    {"a call in a continuation line", "DIALOG CREATE,T,1,1,1,1,-\n  TEXT(a;1;1;;;@lne(x))\n",
     "s.qs:2:16: warning: '@lne' selects no function [-Wunknown-function]"},
    {"assignment without a blank", "%A = 1\n%B=2\n",
     "s.qs:2:1: warning: '%B=2' is read as one word: a blank must follow the variable name [-Wassignment]"},
    {"assignment without =", "  %A 1\n", "s.qs:1:3: warning: no '=' after '%A' [-Wassignment]"},
    {"a stray event label", DIALOG_HEAD ":HELPBUTTON\nEXIT\n",
     "s.qs:12:1: warning: label ':HELPBUTTON' handles a button 'HELP' that no DIALOG CREATE defines "
     "[-Wstray-event-label]"},
    {"a stray menu label", DIALOG_HEAD ":QuitMENU\nEXIT\n",
     "s.qs:12:1: warning: label ':QuitMENU' handles a menu item 'Quit' that no POPUP defines "
     "[-Wstray-event-label]"},
    {"a button nobody handles", DIALOG_HEAD "DIALOG CLOSE\nDIALOG CREATE,U,1,1,1,1,TEXT(t),BUTTON(Cancel)\n",
     "s.qs:13:33: warning: button 'Cancel' has no event label ':CANCELBUTTON' [-Wunhandled-event]"},
    {"a menu item nobody handles", DIALOG_HEAD "DIALOG CLOSE\nDIALOG CREATE,U,1,1,1,1,POPUP(Open|Close all)\n",
     "s.qs:13:25: warning: menu item 'Close all' has no event label ':CLOSE ALLMENU' [-Wunhandled-event]"},
};

TEST(Checker, EachFaultGivesItsWarning) {
  for (const Faulty& c : kFaulty)
    EXPECT_EQ(check(c.source), std::vector<std::string>{c.warning}) << c.what << "\n" << c.source;
}

struct Sound {
  const char* what;
  const char* source;
};

const Sound kSound[] = {
    {"blank lines, lone characters, labels and comments", "\n   \n  x\n:\n:label\nREM @nothing( here\n"},
    {"abbreviations select commands and functions", "INF @le(abc)\nRU x\nI 1\nINFO x\nEND\n"},
    {"a bare IF block word loses its last character, as the runtime reads it", "IF 1\nINFO x\nELSE\nINFO y\nEND"},
    {"calls inside quotes are text", "INFO \"mail@host\" and \"@len\"\n"},
    {"a % that is no reference", "INFO 100% sure, %% and %!\n"},
    {"jumps with run-time targets", "GOTO %A\nGOSUB lbl%1\nGOTO @upper(x)\n"},
    {"labels match in any case, targets may be quoted", ":Here\nGOTO \"here\"\nGOSUB HERE\n"},
    {"loops and blocks nest", "REPEAT\n  IF @equal(%A,1)\n    REPEAT\n    UNTIL 1\n  ELSE\n  END\nUNTIL 1\n"},
    {"fields a command does not read are never expanded", "INFO x, mail@host\nIF 1, @nothing\nEND\n"},
    {"a label ending in MENU whose name the script mentions",
     "DIALOG CREATE,T,1,1,1,1,BUTTON(Go)\n%M = mainmenu\nGOTO %M\n:MAINMENU\n:GOBUTTON\n"},
    {"assignments read one field", "%A = @len(x), @not a call that is read\n"},
    {"continuation lines are not commands", "DIALOG CREATE,T,1,1,1,1,-\n  BUTTON(Ok),-\n  TEXT(x)\n"},
    {"events handled by comparison",
     "DIALOG CREATE,T,1,1,1,1,BUTTON(Go),BUTTON(Stop)\n:w\nWAIT EVENT\n"
     "%E = @event()\nIF @equal(%E,STOPBUTTON)\n  EXIT\nEND\nGOTO %E\n:GOBUTTON\n"
     "GOTO w\n"},
    {"no event checks when elements are built at run time",
     "DIALOG CREATE,T,1,1,1,1,BUTTON(%B),BUTTON(Go)\nGOTO %E\n:STOPBUTTON\n"},
    {"no event checks when events are not jumped to", "DIALOG CREATE,T,1,1,1,1,BUTTON(Go)\n:HELPBUTTON\n"},
    {"no event checks when a target is built from parts",
     "DIALOG CREATE,T,1,1,1,1,BUTTON(Go)\nGOTO %E\nGOTO X%E\n:GOBUTTON\n:XCLOSE\n:HELPBUTTON\n"},
    {"a label ending in BUTTON that a GOTO names is an ordinary label",
     "DIALOG CREATE,T,1,1,1,1,BUTTON(Go)\nGOTO %E\n:GOBUTTON\nGOSUB MAKEBUTTON\n:MAKEBUTTON\nEXIT\n"},
};

TEST(Checker, SoundScriptsGiveNoWarning) {
  for (const Sound& c : kSound) EXPECT_EQ(check(c.source), std::vector<std::string>{}) << c.what << "\n" << c.source;
}

TEST(Checker, WarningsComeInOrderOfLineAndColumn) {
  EXPECT_EQ(check("IF 1\nGOTO x\nINFO @foo(1) @bar(\n"),
            (std::vector<std::string>{"s.qs:1:1: warning: IF without END [-Wunpaired-block]",
                                      "s.qs:2:6: warning: GOTO to undefined label 'x' [-Wundefined-label]",
                                      "s.qs:3:6: warning: '@foo' selects no function [-Wunknown-function]"}));
}

TEST(Checker, MessagesShowControlBytesAndLongWordsReadably) {
  EXPECT_EQ(check(std::string("\x01\xFF") + std::string(60, 'A') + "\n"),
            std::vector<std::string>{"s.qs:1:1: warning: unknown command '\\x01\\xFF" + std::string(38, 'A') +
                                     "...' [-Wunknown-command]"});
}

TEST(Checker, DeepAndLongLinesEndQuickly) {
  // Calls nested far deeper than the runtime follows, and a line of "@"
  // with no "(": neither may recurse without bound or rescan the line for
  // every "@".
  std::string deep = "INFO ";
  for (int i = 0; i < 100000; ++i) deep += "@len(";
  EXPECT_FALSE(check(deep).empty());
  const auto many = check("INFO " + std::string(1 << 20, '@'));
  ASSERT_EQ(many.size(), 1u);
}

}  // namespace
}  // namespace quillan::checker
