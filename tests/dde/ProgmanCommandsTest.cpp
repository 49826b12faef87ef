#include <gtest/gtest.h>

#include "tools/quillan-progman/DesktopEntry.h"
#include "tools/quillan-progman/ProgmanCommands.h"

namespace quillan::progman {
namespace {

using Commands = std::vector<ProgmanCommand>;

struct ParseCase {
  const char* name;
  const char* text;
  Commands commands;  // empty: the text is refused
};

class CommandText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandText, Parses) {
  const ParseCase& c = GetParam();
  const ParsedCommands parsed = parseCommands(c.text);
  EXPECT_EQ(parsed.commands, c.commands);
  EXPECT_EQ(parsed.error.empty(), !c.commands.empty()) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Progman, CommandText,
    ::testing::Values(
        ParseCase{"One", "[CreateGroup(My Tools)]", {{"CreateGroup", {"My Tools"}}}},
        ParseCase{"Several",
                  " [CreateGroup(G)] [AddItem(/opt/t/run.sh, Tool )][ShowGroup(G,1)] ",
                  {{"CreateGroup", {"G"}}, {"AddItem", {"/opt/t/run.sh", "Tool"}}, {"ShowGroup", {"G", "1"}}}},
        ParseCase{"NoArguments", "[Reload][ExitProgman()]", {{"Reload", {}}, {"ExitProgman", {}}}},
        ParseCase{"EmptyArgumentsKeepTheirPlace", "[AddItem(x,,icon)]", {{"AddItem", {"x", "", "icon"}}}},
        ParseCase{"QuotedArgumentLosesItsQuotes", "[CreateGroup(\"A, (B) [C]\")]", {{"CreateGroup", {"A, (B) [C]"}}}},
        ParseCase{"CommandLineKeepsItsQuotes",
                  "[AddItem(\"/opt/my tool/run\" -x \"a,b\",T)]",
                  {{"AddItem", {"\"/opt/my tool/run\" -x \"a,b\"", "T"}}}},
        ParseCase{"Empty", "", {}}, ParseCase{"Blanks", "  ", {}}, ParseCase{"NoBrackets", "CreateGroup(G)", {}},
        ParseCase{"TextBetween", "[Reload] x [Reload]", {}}, ParseCase{"NoClosingBracket", "[CreateGroup(G)", {}},
        ParseCase{"NoClosingParenthesis", "[CreateGroup(G]", {}}, ParseCase{"UnclosedQuote", "[CreateGroup(\"G)]", {}},
        ParseCase{"NoName", "[(G)]", {}}, ParseCase{"OneBadCommandRefusesAll", "[Reload][", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExecCase {
  const char* name;
  const char* commandLine;
  const char* exec;  // as it stands in the file
};

class ExecLine : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExecLine, IsQuotedForTheDesktop) {
  EXPECT_EQ(execValue(splitCommandLine(GetParam().commandLine)), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(Progman, ExecLine,
                         ::testing::Values(ExecCase{"Plain", "/opt/tool/run.sh -v", "/opt/tool/run.sh -v"},
                                           ExecCase{"BlankInQuotes", "\"/opt/my tool/run\" a",
                                                    "\"/opt/my tool/run\" a"},
                                           ExecCase{"Dollar", "echo $HOME", "echo \"\\\\$HOME\""},
                                           ExecCase{"Backslash", "x C:\\dir", "x \"C:\\\\\\\\dir\""},
                                           ExecCase{"QuoteInside", "say \"a \"\"b\"", "say \"a b\""},
                                           ExecCase{"PercentIsNoFieldCode", "x 100% %f", "x 100%% %%f"},
                                           ExecCase{"Reserved", "x a;b 'c' (d) *", "x \"a;b\" \"'c'\" \"(d)\" \"*\""},
                                           ExecCase{"EmptyArgument", "x \"\" y", "x \"\" y"},
                                           ExecCase{"LineBreak", "x \"a\nb\"", "x \"a\\nb\""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopString, EscapesWhatWouldBreakTheLine) {
  EXPECT_EQ(desktopString("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
  EXPECT_EQ(desktopString(" lead"), "\\slead");
  EXPECT_EQ(desktopString(std::string_view("a\0b\x1b\x7f"
                                           "c",
                                           6)),
            "abc");
  EXPECT_EQ(desktopString("Grüße"), "Grüße");
}

}  // namespace
}  // namespace quillan::progman
