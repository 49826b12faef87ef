#include <gtest/gtest.h>

#include "runtime/core/Variables.h"
#include "tests/functions/FunctionCases.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

// The harness runs /work/test.exe: its section prefix is Program\test, and
// its default INI file is QN16.INI in the per-user directory.
constexpr const char* kDefaultIni = "/home/user/.config/quillan\\QN16.INI";

struct IniCase {
  const char* name;
  std::vector<std::string> lines;
  int error;
  const char* file;  // where the value must be, or null: nothing written
  const char* section;
  const char* key;
  const char* value;
};

class IniFileWrites : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniFileWrites, GoWhereTheSectionRuleSays) {
  const IniCase& c = GetParam();
  testing::ScriptHarness h;
  for (const std::string& line : c.lines) {
    h.setLine(line);
    (*h.rt.commands)[core::Command::IniFile](h.rt);
  }
  EXPECT_EQ(h.rt.error, c.error);
  if (c.file == nullptr) {
    EXPECT_TRUE(h.iniFiles.files.empty());
    return;
  }
  const std::string* stored = h.iniFiles.find(c.file, c.section, c.key);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(*stored, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    IniFile, IniFileWrites,
    ::testing::Values(
        IniCase{"DefaultFileTakesTheScriptsSection",
                {"INIFILE WRITE,,Colour,blue"},
                0,
                kDefaultIni,
                "Program\\test\\Default",
                "Colour",
                "blue"},
        IniCase{"DefaultFileNamedSection",
                {"INIFILE W,Paths,Home,/x"},
                0,
                kDefaultIni,
                "Program\\test\\Paths",
                "Home",
                "/x"},
        IniCase{"OpenedFileTakesTheSectionAsWritten",
                {"INIFILE OPEN,/data/my.ini", "INIFILE WRITE,,Colour,blue"},
                0,
                "/data/my.ini",
                "Default",
                "Colour",
                "blue"},
        IniCase{"OpenByFirstOccurrence", {"INIFILE ope,my.ini", "INIFILE WRITE,S,K,V"}, 0, "my.ini", "S", "K", "V"},
        IniCase{"EmptyValueKeepsTheKey", {"INIFILE WRITE,S,K"}, 0, kDefaultIni, "Program\\test\\S", "K", ""},
        IniCase{"SubCommandInsideAWordIsError14", {"INIFILE PEN,my.ini"}, 14, nullptr, nullptr, nullptr, nullptr},
        IniCase{"NoSubCommandIsError2", {"INIFILE"}, 2, nullptr, nullptr, nullptr, nullptr},
        IniCase{"OpenWithoutNameIsError2", {"INIFILE OPEN"}, 2, nullptr, nullptr, nullptr, nullptr},
        IniCase{"WriteWithoutKeyIsError2", {"INIFILE WRITE,S,,V"}, 2, nullptr, nullptr, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileOpen, FailedOpenKeepsTheDefaultFile) {
  testing::ScriptHarness h;
  h.run({"INIFILE OPEN", "INIFILE WRITE,,K,V"});
  EXPECT_EQ(h.rt.error, core::kMissingArgument);
  EXPECT_TRUE(h.rt.settings.usingDefaultIni);
  EXPECT_EQ(core::iniFileInUse(h.rt), kDefaultIni);
}

// A write that fails clears the flag; one that succeeds leaves it as it was.
TEST(IniFileWrite, FailedWriteClearsTheFlag) {
  for (const bool before : {true, false}) {
    testing::ScriptHarness h;
    h.rt.success = before;
    h.setLine("INIFILE WRITE,S,K,V");
    (*h.rt.commands)[core::Command::IniFile](h.rt);
    EXPECT_EQ(h.rt.success, before);
    h.iniFiles.faults.failCall("write", 1, 1);
    h.setLine("INIFILE WRITE,S,K,W");
    (*h.rt.commands)[core::Command::IniFile](h.rt);
    EXPECT_EQ(h.rt.error, 0);
    EXPECT_FALSE(h.rt.success);
    EXPECT_EQ(*h.iniFiles.find(kDefaultIni, "Program\\test\\S", "K"), "V");
  }
}

using testing::Flag;
using testing::FunctionCase;

class IniRead : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(IniRead, ReadsTheCurrentFileBySectionRule) {
  testing::ScriptHarness h;
  h.iniFiles.files[kDefaultIni]["program\\test\\default"]["colour"] = "blue";
  h.iniFiles.files[kDefaultIni]["program\\test\\s"]["empty"] = "";
  h.iniFiles.files[kDefaultIni]["default"]["colour"] = "not ours";
  h.iniFiles.files[kDefaultIni]["program\\test\\s"]["long"] = std::string(300, 'x');
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(IniFile, IniRead,
                         ::testing::Values(FunctionCase{"@iniread(,Colour,red)", "blue"},
                                           FunctionCase{"@iniread(Default,colour)", "blue"},
                                           FunctionCase{"@iniread(,Size,10)", "10"},
                                           FunctionCase{"@iniread(S,Empty,dflt)", ""},
                                           FunctionCase{"@iniread(S,Long)", std::string(255, 'x')},
                                           FunctionCase{"@iniread(Other,Colour)", ""},
                                           FunctionCase{"@iniread(,,red)", "", Flag::Untouched, 11}));

TEST(IniRead, AfterOpenTheSectionIsAsWritten) {
  testing::ScriptHarness h;
  h.iniFiles.files["/data/my.ini"]["default"]["colour"] = "green";
  h.run({"INIFILE OPEN,/data/my.ini", "%A = @iniread(,Colour,red)", "%B = @iniread(Program\\test\\Default,Colour,x)"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('A'), "green");
  EXPECT_EQ(h.var('B'), "x");
}

TEST(IniRead, ReadsBackWhatWasWritten) {
  testing::ScriptHarness h;
  h.run({"INIFILE WRITE,,Name,Bob Smith", "%A = @iniread(,name)", "INIFILE WRITE,,Name", "%B = @iniread(,Name,gone)"});
  EXPECT_EQ(h.var('A'), "Bob Smith");
  EXPECT_EQ(h.var('B'), "");
}

}  // namespace
}  // namespace quillan
