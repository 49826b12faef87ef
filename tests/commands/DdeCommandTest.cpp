#include <gtest/gtest.h>

#include "platform/fake/FakeConversation.h"
#include "tests/dialog/RecordingHost.h"
#include "tests/functions/FunctionCases.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::Flag;

// A harness whose dialog is shown and holds a fake conversation.
struct DdeHarness : testing::ScriptHarness {
  testing::RecordingHost host;
  fake::FakeConversation peer;

  DdeHarness() {
    host.conversationHeld = &peer;
    host.shown = true;
    rt.dialog = &host;
    peer.items["Price"] = "12.50";
  }
  void command(const std::string& line) {
    setLine(line);
    (*rt.commands)[core::Command::Dde](rt);
  }
};

struct DdeCase {
  const char* name;
  std::vector<std::string> lines;  // each run as a DDE line; the last one's outcome is checked
  int error;
  bool success;
  std::vector<std::string> calls;  // what reached the peer
  bool open;
};

class DdeCommand : public ::testing::TestWithParam<DdeCase> {};

TEST_P(DdeCommand, ReachesThePeerAndSetsTheFlag) {
  const DdeCase& c = GetParam();
  DdeHarness h;
  h.peer.absentServices.insert("Nobody");
  for (const std::string& line : c.lines) {
    h.rt.success = !c.success;  // the outcome must be set, not left over
    h.command(line);
  }
  EXPECT_EQ(h.rt.error, c.error);
  if (c.error == 0) {
    EXPECT_EQ(h.rt.success, c.success);
  }
  EXPECT_EQ(h.peer.calls, c.calls);
  EXPECT_EQ(h.peer.isOpen(), c.open);
}

INSTANTIATE_TEST_SUITE_P(
    Dde, DdeCommand,
    ::testing::Values(
        DdeCase{"LinkOpens", {"DDE LINK,Sheet,Book 1"}, 0, true, {"link Sheet|Book 1"}, true},
        DdeCase{"LinkToNobodyIsNotOpen", {"DDE LINK,Nobody,x"}, 0, false, {"link Nobody|x"}, false},
        DdeCase{"SecondLinkEndsTheFirst",
                {"DDE LINK,A,t", "DDE LINK,B,u"},
                0,
                true,
                {"link A|t", "terminate", "link B|u"},
                true},
        DdeCase{"FailedLinkAfterAnOpenOneLeavesNoneOpen",
                {"DDE LINK,A,t", "DDE LINK,Nobody,u"},
                0,
                false,
                {"link A|t", "terminate", "link Nobody|u"},
                false},
        DdeCase{
            "PokeSendsItemAndData", {"DDE LINK,A,t", "DDE POKE,Cell,42"}, 0, true, {"link A|t", "poke Cell|42"}, true},
        DdeCase{"PokeWithoutConversationSendsNothing", {"DDE POKE,Cell,42"}, 0, false, {}, false},
        DdeCase{"ExecuteSendsTheCommand",
                {"DDE LINK,A,t", "DDE EXECUTE,[Open(x)]"},
                0,
                true,
                {"link A|t", "execute [Open(x)]"},
                true},
        DdeCase{"ExecuteWithoutConversationSendsNothing", {"DDE EXECUTE,[Open(x)]"}, 0, false, {}, false},
        DdeCase{"TerminateEnds", {"DDE LINK,A,t", "DDE TERMINATE"}, 0, true, {"link A|t", "terminate"}, false},
        DdeCase{"TerminateWithoutConversationSucceeds", {"DDE TERMINATE"}, 0, true, {}, false},
        DdeCase{"ShortWordsByFirstOccurrence",
                {"DDE l,A,t", "DDE p,i,d", "DDE e,c", "DDE t"},
                0,
                true,
                {"link A|t", "poke i|d", "execute c", "terminate"},
                false},
        DdeCase{"WordInsideAnotherIsError14", {"DDE K,a,b"}, 14, false, {}, false},
        DdeCase{"WordInsideAnotherReadsTwoArgumentsFirst", {"DDE K"}, 2, false, {}, false},
        DdeCase{"UnknownWordIsError14", {"DDE OPEN,a,b"}, 14, false, {}, false},
        DdeCase{"EmptyWordIsError2", {"DDE ,a,b"}, 2, false, {}, false},
        DdeCase{"LinkWithoutTopicIsError2", {"DDE LINK,A"}, 2, false, {}, false},
        DdeCase{"PokeWithoutDataIsError2", {"DDE LINK,A,t", "DDE POKE,i"}, 2, false, {"link A|t"}, true},
        DdeCase{"ExecuteWithoutCommandIsError2", {"DDE EXECUTE"}, 2, false, {}, false},
        DdeCase{"TerminateReadsNoArgument", {"DDE TERMINATE,,"}, 0, true, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DdeRefusals, ClearTheFlagAndKeepTheConversation) {
  DdeHarness h;
  h.command("DDE LINK,A,t");
  h.peer.faults.failCall("poke", 1, 1);
  h.peer.faults.failCall("execute", 1, 1);
  h.command("DDE POKE,i,d");
  EXPECT_FALSE(h.rt.success);
  h.command("DDE EXECUTE,c");
  EXPECT_FALSE(h.rt.success);
  h.command("DDE EXECUTE,c");
  EXPECT_TRUE(h.rt.success);
  EXPECT_TRUE(h.peer.isOpen());
  EXPECT_EQ(h.rt.error, 0);
}

TEST(DdeRefusals, RefusedLinkIsNotOpen) {
  DdeHarness h;
  h.peer.faults.failCall("link", 1, 1);
  h.command("DDE LINK,A,t");
  EXPECT_FALSE(h.rt.success);
  EXPECT_FALSE(h.peer.isOpen());
}

TEST(DdeWithoutDialog, IsError22AndReadsNothing) {
  testing::ScriptHarness h;
  h.setLine("DDE LINK,@upper(a),t");
  (*h.rt.commands)[core::Command::Dde](h.rt);
  EXPECT_EQ(h.rt.error, core::kNoDialog);
  EXPECT_EQ(h.rt.pos, 4);  // still on the blank after the word
}

TEST(DdeWithoutDialog, DdeItemIsError22) {
  testing::ScriptHarness h;
  EXPECT_EQ(testing::evaluate(h, "@ddeitem(Price)"), "Price)");
  EXPECT_EQ(h.rt.error, core::kNoDialog);
}

class DdeItemOpen : public ::testing::TestWithParam<testing::FunctionCase> {};

TEST_P(DdeItemOpen, ReadsTheItem) {
  DdeHarness h;
  h.command("DDE LINK,A,t");
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Dde, DdeItemOpen,
                         ::testing::Values(testing::FunctionCase{"@ddeitem(Price)", "12.50", Flag::Set},
                                           testing::FunctionCase{"@ddeitem(Empty)", "", Flag::Set},
                                           testing::FunctionCase{"[@ddeitem(@upper(p)rice)]", "[12.50]", Flag::Set},
                                           testing::FunctionCase{"@ddeitem(Price,extra)x", "12.50extra)x", Flag::Set}));

TEST(DdeItemClosed, LeavesTheCallInTheLineAndClearsTheFlag) {
  DdeHarness h;
  testing::expectCase(h, {"@ddeitem(Price)x", "Price)x", Flag::Cleared});
  EXPECT_TRUE(h.peer.calls.empty());
}

TEST(DdeItemRefused, ClearsTheFlagAndGivesNothing) {
  DdeHarness h;
  h.command("DDE LINK,A,t");
  h.peer.faults.failEveryCall("request", 1);
  testing::expectCase(h, {"@ddeitem(Price)", "", Flag::Cleared});
  EXPECT_TRUE(h.peer.isOpen());
}

TEST(DdeDialogClose, EndsTheConversation) {
  DdeHarness h;
  h.command("DDE LINK,A,t");
  h.host.close();
  EXPECT_EQ(h.peer.calls, (std::vector<std::string>{"link A|t", "terminate"}));
  h.host.shown = true;
  testing::expectCase(h, {"@ddeitem(Price)", "Price)", Flag::Cleared});
}

}  // namespace
}  // namespace quillan
