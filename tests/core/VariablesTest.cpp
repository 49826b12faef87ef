#include <gtest/gtest.h>

#include "runtime/core/Settings.h"
#include "runtime/core/Variables.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::ScriptHarness;

struct SplitCase {
  const char* name;
  const char* text;
  const char* names;
  char separator;
  std::vector<std::pair<char, std::string>> expected;  // variable, value
};

class FieldSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FieldSplitting, AssignsFieldsToNames) {
  ScriptHarness h;
  for (char c : std::string("ABCD")) h.var(c) = "untouched";
  core::splitInto(h.rt, GetParam().text, GetParam().names, GetParam().separator);
  for (const auto& [variable, value] : GetParam().expected) EXPECT_EQ(h.var(variable), value) << variable;
  EXPECT_EQ(h.rt.error, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SplitRoutine, FieldSplitting,
    ::testing::Values(SplitCase{"Plain", "a|b|c", "%A;%B;%C", '|', {{'A', "a"}, {'B', "b"}, {'C', "c"}}},
                      SplitCase{"LeadingBlanksDropped", "  a|  b", "%a;%b", '|', {{'A', "a"}, {'B', "b"}}},
                      SplitCase{
                          "EmptyNameSkipsField", "a|b|c", "%A;;%C", '|', {{'A', "a"}, {'B', "untouched"}, {'C', "c"}}},
                      SplitCase{"FieldsLeftOverIgnored", "a|b|c", "%A", '|', {{'A', "a"}, {'B', "untouched"}}},
                      SplitCase{"NamesLeftOverUntouched", "a", "%A;%B", '|', {{'A', "a"}, {'B', "untouched"}}},
                      SplitCase{"QuotedFieldKeepsSeparator", "\"a|b\"c|d", "%A;%B", '|', {{'A', "a|bc"}, {'B', "d"}}},
                      SplitCase{"UnclosedQuoteScansFromFront", "\"a|b", "%A;%B", '|', {{'A', "a"}, {'B', "b"}}},
                      SplitCase{"BlankSeparatorWithQuotes",
                                "one \"two words\" three",
                                "%A;%B;%C",
                                ' ',
                                {{'A', "one"}, {'B', "two words"}, {'C', "three"}}},
                      SplitCase{"EmptyMiddleField", "a||c", "%A;%B;%C", '|', {{'A', "a"}, {'B', ""}, {'C', "c"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldSplittingErrors, UnknownVariableIsError5) {
  ScriptHarness h;
  core::splitInto(h.rt, "a|b", "%A;%?", '|');
  EXPECT_EQ(h.rt.error, core::kNoSuchVariable);
}

TEST(Preparation, ParametersArriveWholeAndSettingsReset) {
  ScriptHarness h;
  h.rt.settings.fieldSep = ';';
  h.rt.settings.sleepTime = 1;
  core::prepare(h.rt, "/home/u/Tool.beta.exe", {"one", "two words", "\"q\"", "4", "5", "6", "7", "8", "9", "10"});
  EXPECT_EQ(h.var('1'), "one");
  EXPECT_EQ(h.var('2'), "two words");
  EXPECT_EQ(h.var('3'), "\"q\"");
  EXPECT_EQ(h.var('9'), "9");
  EXPECT_EQ(h.rt.scriptPath, "/home/u/Tool.beta.exe");
  EXPECT_EQ(h.rt.settings.sectionPrefix, "Program\\Tool");
  EXPECT_EQ(h.rt.settings.fieldSep, '|');
  EXPECT_EQ(h.rt.settings.sleepTime, 50);
  EXPECT_EQ(h.rt.settings.regBuf, 256);
  EXPECT_TRUE(h.rt.settings.usingDefaultIni);
  // No DefaultDir setting: the per-user configuration directory stands in.
  EXPECT_EQ(core::iniFileInUse(h.rt), "/home/user/.config/quillan\\QN16.INI");
}

TEST(Preparation, ExistingDefaultIniIsUsedWithItsFullPath) {
  ScriptHarness h;
  h.fs.files["QN16.INI"] = "";
  core::prepare(h.rt, "x.exe", {});
  EXPECT_EQ(core::iniFileInUse(h.rt), "/work/QN16.INI");
}

// The default directory is read when the file is first used, so a script
// that never uses it starts without opening the registry store.
TEST(Preparation, DefaultIniDirectoryIsReadOnFirstUse) {
  ScriptHarness h;
  h.registry.faults.failEveryCall("openKey", reg::StoreFailure);
  core::prepare(h.rt, "x.exe", {});
  h.registry.faults.clear();
  reg::Handle key = 0;
  ASSERT_EQ(h.registry.createKey(reg::CurrentUser, std::string(core::kSettingsKey) + "Program", key), reg::Success);
  const std::string dir = "D:\\Shared";
  ASSERT_EQ(h.registry.setValue(key, "DefaultDir", reg::Sz, reinterpret_cast<const std::uint8_t*>(dir.c_str()),
                                static_cast<std::uint32_t>(dir.size() + 1)),
            reg::Success);
  EXPECT_EQ(core::iniFileInUse(h.rt), "D:\\Shared\\QN16.INI");
}

TEST(SectionPrefix, FileNameUpToItsFirstDot) {
  EXPECT_EQ(core::sectionPrefixFor("C:\\dir.d\\Tool.beta.exe"), "Program\\Tool");
  EXPECT_EQ(core::sectionPrefixFor("noext"), "Program\\noext");
  EXPECT_EQ(core::sectionPrefixFor(""), "Program\\");
}

}  // namespace
}  // namespace quillan
