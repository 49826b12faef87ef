// DIALOG on the interpreter's side: element specifications become the
// right ElementSpec, failures the right error, and the sub-commands reach
// the host only when they should.
#include "ScriptFixture.h"

namespace quillan::testing {
namespace {

using core::ElementKind;

struct SpecCase {
  std::string spec;
  ElementKind kind;
  std::string name;
  int top, left, width, height;
  std::string text;
  std::function<void(const core::ElementSpec&)> more = [](const core::ElementSpec&) {};
};

using DialogCreate = ScriptFixture;

TEST_F(DialogCreate, ElementsGetTheirFieldsAndDefaults) {
  host.line = 20;  // one-line elements follow the screen's line height
  const std::vector<SpecCase> cases = {
      {"BUTTON(B1)", ElementKind::Button, "B1", 10, 10, 64, 24, "B1",
       [](const auto& s) {
         EXPECT_TRUE(s.defaultButton);
         EXPECT_TRUE(s.takesFocus);
       }},
      {"BUTTON(OK;50;70;;;Close)", ElementKind::Button, "OK", 50, 70, 64, 24, "Close"},
      {"bu(Short)", ElementKind::Button, "Short", 10, 10, 64, 24, "Short"},
      {"EDIT(E1;$10;-5;;;hello;PASSWORD)", ElementKind::Edit, "E1", 16, -5, 180, 20, "hello",
       [](const auto& s) { EXPECT_TRUE(s.password); }},
      {"TEXT(T1;5;5;;;Hello)", ElementKind::Text, "T1", 5, 5, 0, 20, "Hello"},
      {"TEXT(T2;5;5;;;x;transparent)", ElementKind::Text, "T2", 5, 5, 0, 20, "x",
       [](const auto& s) { EXPECT_TRUE(s.transparent); }},
      {"CHECK(C1;1;2;3;4;Agree;1)", ElementKind::Check, "C1", 1, 2, 3, 4, "Agree",
       [](const auto& s) { EXPECT_EQ(s.number, 1); }},
      {"CHECK(C2;;;;;Agree;x)", ElementKind::Check, "C2", 10, 10, 180, 20, "Agree",
       [](const auto& s) { EXPECT_EQ(s.number, 0); }},
      {"RADIO(R1;10;10;;;Pick;One|Two|Three;two)", ElementKind::Radio, "R1", 10, 10, 80, 72, "Pick",
       [](const auto& s) {
         EXPECT_EQ(s.items, (std::vector<std::string>{"One", "Two", "Three"}));
         EXPECT_EQ(s.selected, "two");
       }},
      {"RADIO(R2)", ElementKind::Radio, "R2", 10, 10, 80, 36, "",
       [](const auto& s) { EXPECT_EQ(s.items, std::vector<std::string>{""}); }},
      {"LIST(L1;;;;;SORTED)", ElementKind::List, "L1", 10, 10, 180, 160, "",
       [](const auto& s) { EXPECT_TRUE(s.sorted); }},
      {"COMBO(C3;;;;;text;;sorted)", ElementKind::Combo, "C3", 10, 10, 180, 20, "text",
       [](const auto& s) { EXPECT_TRUE(s.sorted); }},
      {"PROGRESS(P1;;;;;40)", ElementKind::Progress, "P1", 10, 10, 180, 24, "",
       [](const auto& s) { EXPECT_EQ(s.number, 40); }},
      {"BITMAP(M1;1;2;;;pic.bmp;click;stretch)", ElementKind::Bitmap, "M1", 1, 2, 0, 0, "pic.bmp",
       [](const auto& s) {
         EXPECT_TRUE(s.clickable);
         EXPECT_TRUE(s.stretch);
         EXPECT_EQ(s.cursor, core::ClickCursor::Default);
       }},
      {"STATUS(S1;ready)", ElementKind::Status, "S1", 10, 10, 0, 0, "ready"},
      {"STATUS(;unnamed)", ElementKind::Status, "", 10, 10, 0, 0, "unnamed"},
      {"TASKICON(T3;icon.ico;tip here)", ElementKind::TaskIcon, "T3", 10, 10, 0, 0, "icon.ico",
       [](const auto& s) { EXPECT_EQ(s.tip, "tip here"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spec);
    host.created.clear();
    host.shown = false;
    ASSERT_EQ(line("DIALOG CREATE,Test,1,2,300,200," + c.spec), 0);
    ASSERT_EQ(host.created.size(), 1u);
    const core::ElementSpec& s = host.created.front();
    EXPECT_EQ(s.kind, c.kind);
    EXPECT_EQ(s.name, c.name);
    if (c.kind != ElementKind::Status && c.kind != ElementKind::TaskIcon) {
      EXPECT_EQ(s.top, c.top);
      EXPECT_EQ(s.left, c.left);
      EXPECT_EQ(s.width, c.width);
      EXPECT_EQ(s.height, c.height);
    }
    EXPECT_EQ(s.text, c.text);
    c.more(s);
  }
}

TEST_F(DialogCreate, PerDialogStateRunsAcrossElements) {
  ASSERT_EQ(line("DIALOG CREATE,T,-1,0,300,200,TEXT(T1),BITMAP(A;;;;;a.bmp;CROSS),BITMAP(B;;;;;b.bmp;click),"
                 "EDIT(E1),BUTTON(B1),BUTTON(B2)"),
            0);
  ASSERT_EQ(host.created.size(), 6u);
  // The click cursor stays with later bitmaps; the first focusable element
  // takes the focus; only the first button is the default.
  EXPECT_EQ(host.created[2].cursor, core::ClickCursor::Cross);
  EXPECT_TRUE(host.created[2].clickable);
  EXPECT_FALSE(host.created[0].takesFocus);
  EXPECT_TRUE(host.created[3].takesFocus);
  EXPECT_FALSE(host.created[4].takesFocus);
  EXPECT_TRUE(host.created[4].defaultButton);
  EXPECT_FALSE(host.created[5].defaultButton);
  EXPECT_EQ(host.frames.back().top, -1);
  EXPECT_EQ(host.shows, 1);
}

TEST_F(DialogCreate, GeometryFieldsThatAreNoNumberGiveMinusOne) {
  ASSERT_EQ(line("DIALOG CREATE,T,abc,,2.5,$20"), 0);
  const auto& f = host.frames.back();
  EXPECT_EQ(f.top, -1);
  EXPECT_EQ(f.left, 0);
  EXPECT_EQ(f.width, -1);
  EXPECT_EQ(f.height, 32);
}

TEST_F(DialogCreate, StylesCarryFontsAttributesAndTheSixteenColours) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,1,1,STYLE(S1; Arial ;12;biCr; red ;dkred;S2),"
                 "STYLE(plain),EDIT(E1;;;;;x;S1;s2;PLAIN)"),
            0);
  const auto& styles = host.created.front().styles;
  ASSERT_EQ(styles.size(), 3u);
  EXPECT_EQ(styles[0].name, "S1");
  EXPECT_EQ(styles[0].font, "Arial");
  EXPECT_EQ(styles[0].size, 12);
  EXPECT_TRUE(styles[0].bold && styles[0].italic);
  EXPECT_EQ(styles[0].alignment, core::Alignment::Right);  // the last alignment letter wins
  EXPECT_EQ(styles[0].background, (core::Colour{false, 255, 0, 0}));
  EXPECT_EQ(styles[0].foreground, (core::Colour{false, 128, 0, 0}));
  // The second group of the same element uses every default.
  EXPECT_EQ(styles[1].name, "S2");
  EXPECT_EQ(styles[1].font, "MS Sans Serif");
  EXPECT_EQ(styles[1].size, 8);
  EXPECT_TRUE(styles[1].background.buttonFace);
  EXPECT_EQ(styles[1].foreground, (core::Colour{false, 0, 0, 0}));
}

struct ErrorCase {
  std::string elements;
  int error;
};

TEST_F(DialogCreate, FailuresSetTheirErrorAndTheWindowIsNeverShown) {
  const std::vector<ErrorCase> cases = {
      {"FOO(x)", 14},
      {"BUTTON (x)", 14},  // the kind is not trimmed
      {"EXT(x)", 14},      // found inside EDITEXT, not where a kind starts
      {"STYLE(S1),STYLE(s1)", 3},
      {"STYLE(S1;Arial;6)", 14},
      {"STYLE(S1;;;;green)", 14},
      {"STYLE(S1;;;;;BACKGRNDFOREGRND)", 14},
      {"EDIT(E1;10;10;;;;PASSWORD;BOLD)", 16},
      {"EDIT(E1;;;;;; PASSWORD)", 16},  // nor are option fields
      {"STYLE(BOLD;;;B),BITMAP(M1;;;;;p.bmp;BOLD)", 16},
      {"BUTTON(B1;;;;;x;nostyle)", 16},
      {"BUTTON(1B)", 23},
      {"BUTTON(1B;;;;;x;nostyle)", 16},  // the unnamed element is still configured
      {"TASKICON(9x;;tip)", 23},
      {"STATUS(a-b)", 21},
      {"DLGTYPE(ONTOP;BOGUS)", 14},
      {"DLGTYPE()", 14},
      {"DLGTYPE(ONTOP;;SAVEPOS)", 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elements);
    host = RecordingHost{};
    EXPECT_EQ(line("DIALOG CREATE,Test,1,1,100,100," + c.elements), c.error);
    EXPECT_EQ(host.shows, 0);
    EXPECT_EQ(host.abandons, 1);
  }
  host = RecordingHost{};
  EXPECT_EQ(line("DIALOG CREATE,,1,1,100,100"), 2);
  EXPECT_EQ(host.frames.size(), 0u);
}

TEST_F(DialogCreate, TheHostsRefusalsBecomeErrors21And20) {
  host.refuseName = "B2";
  EXPECT_EQ(line("DIALOG CREATE,T,1,1,1,1,BUTTON(B1),BUTTON(B2),BUTTON(B3)"), 21);
  EXPECT_EQ(host.created.size(), 1u);  // reading stops at the first error
  host = RecordingHost{};
  host.iconFails = true;
  EXPECT_EQ(line("DIALOG CREATE,T,1,1,1,1,TASKICON(T1;missing.ico)"), 20);
}

TEST_F(DialogCreate, DialogStylesAndThePopupMenuReachTheHost) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,1,1,DLGTYPE(ontop;smallcap;SAVE;DRAGDROP),POPUP(Open|&Save||Quit)"), 0);
  using S = core::DialogStyle;
  EXPECT_EQ(host.dialogStyles, (std::vector<S>{S::OnTop, S::SmallCaption, S::SavePosition, S::DragDrop}));
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0], (std::vector<std::string>{"Open", "&Save", "", "Quit"}));
}

TEST_F(DialogCreate, ContinuationLinesAreConsumedAndNotRun) {
  EXPECT_EQ(run({"DIALOG CREATE,T,1,1,100,100,BUTTON(B1),-", "  BUTTON(B2), -", "BUTTON(B3)", "%A = after"}), 0);
  ASSERT_EQ(host.created.size(), 3u);
  EXPECT_EQ(host.created[2].name, "B3");
  EXPECT_EQ(rt.vars[9], "after");
  // Whatever follows "-" on its line is dropped; "-" on the last line ends
  // the list.
  host = RecordingHost{};
  EXPECT_EQ(run({"DIALOG CREATE,T,1,1,100,100,BUTTON(B1),-,BUTTON(Dropped)", "BUTTON(B2),-"}), 0);
  ASSERT_EQ(host.created.size(), 2u);
  EXPECT_EQ(host.created[1].name, "B2");
  EXPECT_EQ(host.shows, 1);
}

TEST_F(DialogCreate, ASecondDialogWhileOneIsShownIsError17) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100"), 0);
  EXPECT_EQ(line("DIALOG CREATE,U,1,1,100,100"), 17);
  EXPECT_EQ(host.frames.size(), 1u);
  ASSERT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_EQ(line("DIALOG CREATE,U,1,1,100,100"), 0);
}

TEST_F(DialogCreate, ShowingEmptiesTheEventSlot) {
  rt.settings.eventText = "OLDBUTTON";
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100"), 0);
  EXPECT_EQ(rt.settings.eventText, "");
}

using DialogSubCommands = ScriptFixture;

TEST_F(DialogSubCommands, WithoutADialogOnlyCreateAndPopupAreAllowed) {
  const std::vector<ErrorCase> cases = {
      {"DIALOG TITLE,x", 22}, {"DIALOG SHOW,X", 22}, {"DIALOG BOGUS", 22},
      {"DIALOG", 22},         {"DIALOG POPUP", 0},   {"DIALOG CURSOR,wait", 22},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elements);
    EXPECT_EQ(line(c.elements), c.error);
  }
  EXPECT_EQ(host.popupShows, 0);
  EXPECT_TRUE(host.cursors.empty());
}

TEST_F(DialogSubCommands, NamesAreCheckedBeforeTheHostActs) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100,EDIT(E1),BUTTON(B1)"), 0);
  const std::vector<ErrorCase> cases = {
      {"DIALOG BOGUS", 14},
      {"DIALOG C", 14},
      {"DIALOG CU", 14},  // CU first occurs in FOCUS
      {"DIALOG CLEAR", 2},
      {"DIALOG SET", 2},
      {"DIALOG TITLE", 2},
      {"DIALOG SET,e1,abc", 0},
      {"DIALOG SET,1abc,x", 23},
      {"DIALOG SET,NOSUCH,x", 23},
      {"DIALOG CLEAR,B1", 23},
      {"DIALOG CLEARSEL,B1", 23},
      {"DIALOG CLEAR,1abc", 23},
      {"DIALOG HIDE,1abc", 0},
      {"DIALOG HIDE,NOSUCH", 23},
      {"DIALOG DISABLE,b1", 0},
      {"DIALOG FOCUS,E1", 0},
      {"DIALOG SH,E1", 0},
      {"DIALOG EN,B1", 0},
      // A word that was empty or failed keeps its error; it is no unknown word.
      {"DIALOG", 2},
      {"DIALOG @asc()", 2},
      {"DIALOG x@xyz(1)", 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elements);
    EXPECT_EQ(line(c.elements), c.error);
  }
  EXPECT_EQ(host.find("E1")->value, "abc");
  EXPECT_TRUE(host.find("E1")->focused);
  EXPECT_FALSE(host.find("E1")->hidden);
  EXPECT_FALSE(host.find("B1")->disabled);
}

TEST_F(DialogSubCommands, TitleCursorPopupAndClose) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100"), 0);
  EXPECT_EQ(line("DIALOG TITLE,New, with comma"), 0);
  EXPECT_EQ(line("DIALOG CURSOR,Wait"), 0);
  EXPECT_EQ(line("DIALOG CURSOR"), 0);
  EXPECT_EQ(line("DIALOG POPUP"), 0);
  EXPECT_EQ(host.titles, std::vector<std::string>{"New"});
  EXPECT_EQ(host.cursors, (std::vector<bool>{true, false}));
  EXPECT_EQ(host.popupShows, 1);
  EXPECT_EQ(line("DIALOG CLOSE"), 0);
  EXPECT_EQ(host.closes, 1);
  EXPECT_EQ(line("DIALOG SHOW,X"), 22);
}

TEST_F(DialogSubCommands, AssigningToAnElementNameSetsIt) {
  ASSERT_EQ(line("DIALOG CREATE,T,1,1,100,100,EDIT(E1)"), 0);
  core::setVariable(rt, "E1", "by name");
  EXPECT_EQ(host.find("E1")->value, "by name");
  core::setVariable(rt, "NOSUCH", "x");
  EXPECT_EQ(rt.error, 5);
}

}  // namespace
}  // namespace quillan::testing
