#include <gtest/gtest.h>

#include "runtime/dialog/MciCommand.h"

namespace quillan::dialog {
namespace {

using Verb = MciCommand::Verb;
using Item = MciCommand::Item;

struct ParseCase {
  const char* text;
  Verb verb;
  const char* device;
  const char* alias;
  Item item;
  bool wait;
};

TEST(MciCommands, UnderstoodCommands) {
  const ParseCase cases[] = {
      {"open chime.wav alias bell", Verb::Open, "chime.wav", "BELL", Item::None, false},
      {"OPEN \"/tmp/a b/Chime.wav\" type waveaudio", Verb::Open, "/tmp/a b/Chime.wav", "CHIME.WAV", Item::None, false},
      {"open C:\\Sounds\\ding.wav", Verb::Open, "C:\\Sounds\\ding.wav", "DING.WAV", Item::None, false},
      {"play bell wait", Verb::Play, "BELL", "", Item::None, true},
      {"  Play   bell ", Verb::Play, "BELL", "", Item::None, false},
      {"pause bell", Verb::Pause, "BELL", "", Item::None, false},
      {"resume bell", Verb::Resume, "BELL", "", Item::None, false},
      {"stop bell", Verb::Stop, "BELL", "", Item::None, false},
      {"close all", Verb::Close, "ALL", "", Item::None, false},
      {"status bell mode", Verb::Status, "BELL", "", Item::Mode, false},
      {"status bell LENGTH", Verb::Status, "BELL", "", Item::Length, false},
      {"status bell position", Verb::Status, "BELL", "", Item::Position, false},
  };
  for (const ParseCase& c : cases) {
    MciCommand command;
    std::string error;
    ASSERT_TRUE(parseMciCommand(c.text, command, error)) << c.text << ": " << error;
    EXPECT_EQ(command.verb, c.verb) << c.text;
    EXPECT_EQ(command.device, c.device) << c.text;
    EXPECT_EQ(command.alias, c.alias) << c.text;
    EXPECT_EQ(command.item, c.item) << c.text;
    EXPECT_EQ(command.wait, c.wait) << c.text;
  }
}

TEST(MciCommands, OthersAreRefusedWithAReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"set cdaudio door open", "the media command \"set\" is not supported"},
      {"", "the media command \"\" is not supported"},
      {"play", "needs a device name"},
      {"play bell from 10 to 20", "\"from\" is not supported in the media command PLAY"},
      {"play bell notify", "\"notify\" is not supported"},
      {"status bell", "needs an item"},
      {"status bell volume", "the status item \"volume\" is not supported"},
      {"stop bell wait", "\"wait\" is not supported in the media command STOP"},
  };
  for (const auto& [text, reason] : cases) {
    MciCommand command;
    std::string error;
    EXPECT_FALSE(parseMciCommand(text, command, error)) << text;
    EXPECT_NE(error.find(reason), std::string::npos) << text << ": " << error;
  }
}

}  // namespace
}  // namespace quillan::dialog
