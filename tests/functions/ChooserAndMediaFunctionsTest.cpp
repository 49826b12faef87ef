#include "tests/dialog/RecordingHost.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::Flag;

struct ChooserCase {
  const char* name;
  const char* expression;
  std::string chosen;  // what the person chooses; empty: cancels
  std::string filter, title;
  std::string expected;
  Flag flag;
};

class Choosers : public ::testing::TestWithParam<ChooserCase> {};

TEST_P(Choosers, AskTheDialogWithTheirDefaults) {
  const ChooserCase& c = GetParam();
  testing::ScriptHarness h;
  testing::RecordingHost host;
  host.shown = true;
  host.chosenPath = c.chosen;
  h.rt.dialog = &host;
  testing::expectCase(h, {c.expression, c.expected, c.flag});
  ASSERT_EQ(host.chooserRequests.size(), 2u);
  EXPECT_EQ(host.chooserRequests[0].first, c.filter);
  EXPECT_EQ(host.chooserRequests[0].second, c.title);
}

INSTANTIATE_TEST_SUITE_P(Dialog, Choosers,
                         ::testing::Values(ChooserCase{"FileDefaults", "@filedlg()", "/tmp/a.txt",
                                                       "All files (*.*)|*.*", "Choose file", "/tmp/a.txt", Flag::Set},
                                           ChooserCase{"StarDotExtension", "@filedlg(*.txt,Open)", "/tmp/a.txt",
                                                       "TXT files (*.txt)|*.txt", "Open", "/tmp/a.txt", Flag::Set},
                                           ChooserCase{"LongExtensionShowsThreeLetters", "@filedlg(*.html)", "",
                                                       "HTM files (*.html)|*.html", "Choose file", "", Flag::Cleared},
                                           ChooserCase{"PairsAsTheyStand", "@filedlg(Texts|*.txt;*.log)", "",
                                                       "Texts|*.txt;*.log", "Choose file", "", Flag::Cleared},
                                           ChooserCase{"FolderDefault", "@dirdlg()", "/home/user", "",
                                                       "Choose a directory", "/home/user", Flag::Set},
                                           ChooserCase{"FolderCancelled", "@dirdlg(Where?)", "", "", "Where?", "",
                                                       Flag::Cleared}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Choosers, NeedAShownDialogAndReadNothingWithout) {
  for (const char* expression : {"@filedlg(@chr(65))", "@dirdlg(@chr(65))"}) {
    testing::ScriptHarness h;
    testing::RecordingHost host;
    h.rt.dialog = &host;
    testing::evaluate(h, expression);
    EXPECT_EQ(h.rt.error, core::kNoDialog) << expression;
    EXPECT_TRUE(host.chooserRequests.empty()) << expression;
  }
}

// A media control that answers every command with its own text, or fails.
struct EchoMedia : os::MediaControl {
  bool succeed = true;
  std::vector<std::string> commands;
  bool command(std::string_view text, std::string& reply) override {
    commands.emplace_back(text);
    reply = (succeed ? "did " : "refused ") + std::string(text);
    return succeed;
  }
};

TEST(Mci, ReplyOrReasonAndTheFlag) {
  const testing::FunctionCase cases[] = {
      {"@mci(play bell wait)", "did play bell wait", Flag::Set},
      {"@mci()", "", Flag::Untouched, core::kMissingFunctionArgument},
  };
  for (const auto& c : cases) {
    testing::ScriptHarness h;
    EchoMedia media;
    h.rt.os.media = &media;
    testing::expectCase(h, c);
  }
  testing::ScriptHarness h;
  EchoMedia media;
  media.succeed = false;
  h.rt.os.media = &media;
  testing::expectCase(h, {"@mci(set door open)", "refused set door open", Flag::Cleared});
  testing::ScriptHarness none;
  testing::expectCase(none, {"@mci(play bell)", "there are no media devices here", Flag::Cleared});
}

}  // namespace
}  // namespace quillan
