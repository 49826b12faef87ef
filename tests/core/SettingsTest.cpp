#include <gtest/gtest.h>

#include <cstring>

#include "platform/fake/FakeRegistry.h"
#include "runtime/core/Settings.h"

namespace quillan::core {
namespace {

struct Settings : ::testing::Test {
  fake::FakeRegistry registry;

  void setRaw(std::string_view subkey, std::string_view name, std::uint32_t type, const std::string& bytes) {
    reg::Handle key = 0;
    ASSERT_EQ(registry.createKey(reg::CurrentUser, std::string(kSettingsKey) + std::string(subkey), key), reg::Success);
    ASSERT_EQ(registry.setValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                static_cast<std::uint32_t>(bytes.size())),
              reg::Success);
    registry.closeKey(key);
  }
};

TEST_F(Settings, MissingKeyOrValueGivesTheDefault) {
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", "fallback"), "fallback");
  EXPECT_EQ(readSettingNumber(&registry, "Program", "Top", -5), -5);
  setRaw("Program", "Other", reg::Sz, std::string("x\0", 2));
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", ""), "");
}

TEST_F(Settings, TextReadsStringsAndNumbers) {
  setRaw("Program", "DefaultDir", reg::Sz, std::string("/srv/scripts\0", 13));
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", ""), "/srv/scripts");
  const std::int32_t five = 5;
  setRaw("Program", "DefaultDir", reg::Dword, std::string(reinterpret_cast<const char*>(&five), 4));
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", ""), "5");
  setRaw("Program", "DefaultDir", reg::Binary, "abc");
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", "dflt"), "dflt");
}

TEST_F(Settings, TextLongerThanTheBufferGivesTheDefault) {
  setRaw("Program", "DefaultDir", reg::Sz, std::string(300, 'x') + '\0');
  EXPECT_EQ(readSettingText(&registry, "Program", "DefaultDir", "dflt"), "dflt");
}

TEST_F(Settings, NumbersRoundTripAndCreateTheSubkey) {
  ASSERT_TRUE(writeSettingNumber(&registry, "UserScripts\\Tool", "Top", -120));
  EXPECT_EQ(readSettingNumber(&registry, "UserScripts\\Tool", "Top", 0), -120);
  EXPECT_EQ(readSettingNumber(&registry, "USERSCRIPTS\\tool", "TOP", 0), -120);
  setRaw("UserScripts\\Tool", "Left", reg::Sz, std::string("7\0", 2));
  EXPECT_EQ(readSettingNumber(&registry, "UserScripts\\Tool", "Left", 3), 3);
}

// A store that fails part way: reads give the default, a write reports the
// failure instead of success, whichever step refused.
TEST_F(Settings, StoreFailuresGiveTheDefaultOrFalse) {
  ASSERT_TRUE(writeSettingNumber(&registry, "Program", "Top", 42));
  for (const char* op : {"openKey", "queryValue"}) {
    registry.faults.failCall(op, 1, reg::StoreFailure);
    EXPECT_EQ(readSettingNumber(&registry, "Program", "Top", -1), -1) << op;
    EXPECT_EQ(readSettingNumber(&registry, "Program", "Top", -1), 42) << op << ", next call";
  }
  for (const char* op : {"createKey", "setValue"}) {
    registry.faults.failCall(op, 1, reg::StoreFailure);
    EXPECT_FALSE(writeSettingNumber(&registry, "Program", "Top", 7)) << op;
    EXPECT_EQ(readSettingNumber(&registry, "Program", "Top", -1), 42) << op << ": nothing written";
  }
  registry.faults.failEveryCall("queryValue", reg::StoreFailure);
  EXPECT_EQ(readSettingText(&registry, "Program", "Top", "dflt"), "dflt");
}

TEST(SettingsWithoutStore, EveryRoutineFallsBack) {
  EXPECT_EQ(readSettingText(nullptr, "Program", "DefaultDir", "d"), "d");
  EXPECT_EQ(readSettingNumber(nullptr, "Program", "X", 9), 9);
  EXPECT_FALSE(writeSettingNumber(nullptr, "Program", "X", 9));
}

}  // namespace
}  // namespace quillan::core
