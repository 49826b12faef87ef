#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/registry/SqliteRegistry.h"
#include "runtime/core/Settings.h"

namespace quillan::core {
namespace {

struct Settings : ::testing::Test {
  std::string path = std::filesystem::temp_directory_path() / ("quillan-settings-" + std::to_string(getpid()) + ".db");
  reg::SqliteRegistry registry{path};
  ~Settings() override {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  }

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

TEST(SettingsWithoutStore, EveryRoutineFallsBack) {
  EXPECT_EQ(readSettingText(nullptr, "Program", "DefaultDir", "d"), "d");
  EXPECT_EQ(readSettingNumber(nullptr, "Program", "X", 9), 9);
  EXPECT_FALSE(writeSettingNumber(nullptr, "Program", "X", 9));
}

}  // namespace
}  // namespace quillan::core
