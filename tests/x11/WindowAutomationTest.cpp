// Script lines against real X clients on a virtual display: WINDOW,
// WINEXISTS, WINPOS and WINACTIVE through the X11 backend, once with openbox
// managing the windows and once without a window manager (QUILLAN_X11_WM=
// none), where the fallbacks act.
#include <gtest/gtest.h>

#include <memory>

#include "platform/x11/X11WindowAutomation.h"
#include "tests/e2e/ProcessRunner.h"
#include "tests/support/ScriptHarness.h"
#include "tests/x11/X11Desktop.h"

namespace quillan::testing {
namespace {

using namespace std::chrono_literals;

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    std::string why;
    if (!X11Desktop::instance().open(why)) FAIL() << why;
  }
  void TearDown() override { X11Desktop::instance().close(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

class WindowsOnX : public ::testing::Test {
 protected:
  X11Desktop& desktop = X11Desktop::instance();
  x11::X11WindowAutomation windows{nullptr, [](const std::string& why) { ADD_FAILURE() << why; }};
  std::string dir = makeTempDir();

  void TearDown() override { desktop.stopAll(); }

  // Runs the lines as one script against the real desktop; the harness
  // is kept for its variables.
  ScriptHarness& run(std::vector<std::string> lines) {
    harness_ = std::make_unique<ScriptHarness>();
    harness_->rt.os.windows = &windows;
    harness_->rt.settings.skDelay = 0;
    harness_->run(std::move(lines));
    EXPECT_EQ(harness_->rt.error, 0);
    return *harness_;
  }
  std::string value(const std::string& expression) { return run({"%A = " + expression}).var('A'); }

  // A test client: records keys and messages into files of this test.
  struct Client {
    pid_t pid;
    Window window;
    std::string keys;
    std::string messages;
  };
  Client client(const std::string& title, const std::string& instance, const std::string& className) {
    Client c{0, 0, dir + "/" + instance + ".keys", dir + "/" + instance + ".messages"};
    writeFileBytes(c.keys, "");
    writeFileBytes(c.messages, "");
    c.pid = desktop.start({X11_TEST_CLIENT, title, instance, className, c.keys, c.messages});
    c.window = desktop.waitForClient(title);
    EXPECT_NE(c.window, 0u) << title;
    return c;
  }
  Window wish(const std::string& title, const std::string& name) {
    const std::string script = dir + "/" + name + ".tcl";
    writeFileBytes(script, "wm title . {" + title + "}\nwm geometry . 200x80+40+40\n");
    desktop.start({"wish", script, "-name", name});
    return desktop.waitForClient(title);
  }
  pid_t xmessage(const std::string& title) {
    const pid_t pid = desktop.start({"xmessage", "-name", "xmsg", "-title", title, "hello"});
    EXPECT_NE(desktop.waitForClient(title), 0u);
    return pid;
  }
  static bool fileHolds(const std::string& path, const std::string& expected) {
    return waitFor([&] { return readFileBytes(path) == expected; }, 3s);
  }

 private:
  std::unique_ptr<ScriptHarness> harness_;
};

#define REQUIRE_WINDOW_MANAGER() \
  if (!desktop.managed()) GTEST_SKIP() << "needs a window manager"

TEST_F(WindowsOnX, FindsByWholeTitleOrEitherClassPartWithoutRegardToCase) {
  xmessage("Report Viewer");
  wish("Tk Notes", "notesapp");
  client("Plain Xlib", "plaininstance", "PlainClass");
  const std::pair<const char*, const char*> cases[] = {
      {"@winexists(Report Viewer)", "1"}, {"@winexists(report viewer)", "1"},
      {"@winexists(#Xmessage)", "1"},     {"@winexists(#xmsg)", "1"},
      {"@winexists(Tk Notes)", "1"},      {"@winexists(#notesapp)", "1"},
      {"@winexists(#plainclass)", "1"},   {"@winexists(#PLAININSTANCE)", "1"},
      {"@winexists(Plain Xlib)", "1"},    {"@winexists(Report)", ""},
      {"@winexists(Viewer)", ""},         {"@winexists(#Plain)", ""},
      {"@winexists(PlainClass)", ""},     {"@winexists(#)", ""},
  };
  for (const auto& [expression, expected] : cases) EXPECT_EQ(value(expression), expected) << expression;
}

TEST_F(WindowsOnX, ActivateMakesTheActiveWindow) {
  client("First Window", "first", "FirstClass");
  client("Second Window", "second", "SecondClass");
  ScriptHarness& h = run({"WINDOW ACTIVATE,First Window", "%A = @ok()", "%B = @winactive(NC)",
                          "WINDOW ACTIVATE,#secondclass", "%C = @winactive()", "WINDOW ACTIVATE,Nobody", "%D = @ok()"});
  EXPECT_EQ(h.var('A'), "1");
  EXPECT_EQ(h.var('B'), "First Window|FirstClass");
  EXPECT_EQ(h.var('C'), "Second Window");
  EXPECT_EQ(h.var('D'), "");
}

TEST_F(WindowsOnX, IconizeMaximizeAndNormalShowInWinpos) {
  REQUIRE_WINDOW_MANAGER();
  client("State Window", "state", "StateClass");
  ScriptHarness& h = run({"%A = @winpos(State Window,S)", "WINDOW ICONIZE,State Window", "%B = @winpos(State Window,S)",
                          "WINDOW MAXIMIZE,State Window", "%C = @winpos(State Window,S)", "WINDOW NORMAL,State Window",
                          "%D = @winpos(State Window,S)", "WINDOW ACTIVATE,State Window", "WINDOW ICONIZE,State Window",
                          "WINDOW ACTIVATE,State Window", "%E = @winpos(State Window,S)"});
  EXPECT_EQ(h.var('A'), "1");
  EXPECT_EQ(h.var('B'), "2");
  EXPECT_EQ(h.var('C'), "3");
  EXPECT_EQ(h.var('D'), "1");
  EXPECT_EQ(h.var('E'), "1");  // ACTIVATE restores an iconic window
}

TEST_F(WindowsOnX, PositionMovesTheOuterRectangle) {
  client("Moving Window", "moving", "MovingClass");
  ScriptHarness& h = run({"WINDOW POSITION,Moving Window,120,70,300,200", "%A = @winpos(Moving Window,LTWH)",
                          "WINDOW POSITION,Moving Window,-1,90", "%B = @winpos(Moving Window,LTWH)"});
  EXPECT_EQ(h.var('A'), "70|120|300|200");
  EXPECT_EQ(h.var('B'), "90|120|300|200");
}

TEST_F(WindowsOnX, OnTopKeepsTheWindowAbove) {
  REQUIRE_WINDOW_MANAGER();
  const Client c = client("Top Window", "top", "TopClass");
  run({"WINDOW ONTOP,Top Window"});
  EXPECT_TRUE(desktop.hasNetState(c.window, "_NET_WM_STATE_ABOVE"));
}

TEST_F(WindowsOnX, HideWithdrawsAndTheWindowIsStillFound) {
  const Client c = client("Hidden Window", "hidden", "HiddenClass");
  ScriptHarness& h = run({"WINDOW HIDE,Hidden Window", "%A = @winexists(Hidden Window)"});
  EXPECT_EQ(h.var('A'), "1");
  EXPECT_TRUE(waitFor([&] { return !desktop.isMapped(c.window); }));
  run({"WINDOW NORMAL,#hiddenclass"});
  EXPECT_TRUE(waitFor([&] { return desktop.isViewable(c.window); }));
  // ACTIVATE shows a hidden window again and makes it the active one.
  ScriptHarness& again = run({"WINDOW HIDE,Hidden Window", "WINDOW ACTIVATE,Hidden Window", "%B = @winactive()"});
  EXPECT_EQ(again.var('B'), "Hidden Window");
}

TEST_F(WindowsOnX, CloseEndsTheClient) {
  const Client c = client("Closing Window", "closing", "ClosingClass");
  const pid_t message = xmessage("Closing Message");
  run({"WINDOW CLOSE,Closing Window", "WINDOW CLOSE,Closing Message"});
  EXPECT_TRUE(desktop.endsWithin(c.pid, 3s));
  EXPECT_TRUE(desktop.endsWithin(message, 3s));
}

TEST_F(WindowsOnX, SendTypesTheKeyText) {
  const Client c = client("Typing Window", "typing", "TypingClass");
  ScriptHarness& h = run({"WINDOW SEND,Typing Window,1+2=@chr(13)", "%A = @ok()"});
  EXPECT_EQ(h.var('A'), "1");
  EXPECT_TRUE(fileHolds(c.keys, "1+2=\r")) << readFileBytes(c.keys);
  // Code 250, a, code 251: one capital A and no second Shift.
  run({"WINDOW SEND,Typing Window,@shift(a)"});
  EXPECT_TRUE(fileHolds(c.keys, "1+2=\rA")) << readFileBytes(c.keys);
  // A character the keyboard map lacks is typed all the same, and the map
  // is as it was afterwards.
  constexpr KeySym kSection = 0xA7;
  ASSERT_FALSE(desktop.keysymInMap(kSection));
  run({"WINDOW SEND,Typing Window,@chr(167)x"});
  EXPECT_TRUE(fileHolds(c.keys, "1+2=\rA\xA7x")) << readFileBytes(c.keys);
  EXPECT_FALSE(desktop.keysymInMap(kSection));
}

TEST_F(WindowsOnX, SendWithSkDelayTypesIntoWish) {
  const std::string keys = dir + "/wish.keys";
  const std::string script = dir + "/recorder.tcl";
  writeFileBytes(script, "wm title . {Wish Recorder}\nset f [open {" + keys +
                             "} w]\nfconfigure $f -translation binary\n"
                             "bind . <KeyPress> {puts -nonewline $f %A; flush $f}\nfocus -force .\n");
  desktop.start({"wish", script});
  ASSERT_NE(desktop.waitForClient("Wish Recorder"), 0u);
  ScriptHarness& h = run({"OPTION SKDELAY,5", "WINDOW SEND,Wish Recorder,Hello!"});
  EXPECT_EQ(h.rt.settings.skDelay, 5);
  EXPECT_TRUE(fileHolds(keys, "Hello!")) << readFileBytes(keys);
}

TEST_F(WindowsOnX, MessagesReachTheClient) {
  const Client c = client("Message Window", "messages", "MessageClass");
  const Client other = client("Other Window", "other", "OtherClass");
  ScriptHarness& h =
      run({"%A = @ok()", "WINDOW MESSAGE,Message Window,1234,$12345,-1", "WINDOW MESSAGE,BROADCAST,26,1,2"});
  EXPECT_TRUE(fileHolds(c.messages, "1234 9029 4294967295\n26 1 2\n")) << readFileBytes(c.messages);
  EXPECT_TRUE(fileHolds(other.messages, "26 1 2\n")) << readFileBytes(other.messages);
  (void)h;
  run({"WINDOW MESSAGE,Message Window,16"});
  EXPECT_TRUE(desktop.endsWithin(c.pid, 3s));
}

#ifdef SCRIPTRUN_PATH
TEST_F(WindowsOnX, TheScriptsOwnDialogCarriesExactlyItsCaption) {
  const std::string source = dir + "/caption.qs";
  const std::string exe = dir + "/caption.exe";
  writeFileBytes(source,
                 "DIALOG CREATE,Caption Of Mine,-1,0,200,100\n"
                 "%A = @winexists(Caption Of Mine)@winexists(Caption Of Mine - Quillan)\n"
                 "WINDOW ACTIVATE,Caption Of Mine\n"
                 "INFO [%A][@winactive(N)]\n");
  ASSERT_EQ(runProgram(QUILLANC_PATH, {source, "-o", exe}).status, 0);
  const auto result = runProgram(SCRIPTRUN_PATH, {"--unattended", exe}, {{"QT_QPA_PLATFORM", "xcb"}});
  EXPECT_NE(result.out.find("[1][Caption Of Mine]"), std::string::npos) << result.out << result.err;
}
#endif

TEST(WithoutX, EveryWindowIsNotFoundAndTheReasonIsToldOnce) {
  const char* saved = std::getenv("DISPLAY");
  const std::string display = saved != nullptr ? saved : "";
  unsetenv("DISPLAY");
  std::vector<std::string> reports;
  x11::X11WindowAutomation windows(nullptr, [&](const std::string& why) { reports.push_back(why); });
  EXPECT_EQ(windows.find(os::WindowLookup::Title, "Anything"), os::kNoWindow);
  std::string title, className;
  EXPECT_FALSE(windows.activeWindow(title, className));
  windows.sendMessage(os::kNoWindow, 26, 0, 0);
  setenv("DISPLAY", display.c_str(), 1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("DISPLAY is not set"), std::string::npos) << reports[0];
}

}  // namespace
}  // namespace quillan::testing
