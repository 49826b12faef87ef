// PLAY through Qt Multimedia: a sound that is waited for must end the wait,
// whether or not the machine has an audio device.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "runtime/dialog/QtUserInterface.h"

namespace quillan::dialog {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

// 8-bit mono PCM at 8000 Hz: one byte per sample, 8 bytes per millisecond.
// declaredSize is written into the data chunk's header.
std::string wav(std::uint32_t dataBytes, std::uint32_t declaredSize, const std::string& extraChunk = {}) {
  const std::string fmt = "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8);
  const std::string data = "data" + le32(declaredSize) + std::string(dataBytes, '\x80');
  const std::string body = "WAVE" + fmt + extraChunk + data;
  return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

TEST(WavLength, FromTheHeader) {
  const std::string odd = "LIST" + le32(3) + "abc" + std::string(1, '\0');  // padded to an even size
  const std::pair<std::string, std::int64_t> cases[] = {
      {wav(4000, 4000), 500},
      {wav(4000, 0), 500},            // streamed: the size was left open
      {wav(4000, 0xFFFFFFFFu), 500},  // likewise
      {wav(4000, 4000, odd), 500},
      {wav(800, 80000), 100},  // cut-off file: only what is there plays
      {"RIFF" + le32(4) + "AVI ", -1},
      {"RIFF" + le32(12) + "WAVEdata" + le32(0), -1},  // no format chunk
      {"", -1},
  };
  for (const auto& [bytes, length] : cases) EXPECT_EQ(wavLengthMs(bytes, bytes.size()), length);
}

struct Sounds : ::testing::Test {
  std::string dir;
  QtUserInterface ui{nullptr};
  Sounds() {
    std::string pattern = fs::temp_directory_path().string() + "/quillan-sound-XXXXXX";
    dir = ::mkdtemp(pattern.data());
  }
  ~Sounds() override { fs::remove_all(dir); }

  std::string file(const std::string& name, const std::string& bytes) {
    std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
    return dir + "/" + name;
  }
  // Milliseconds that playSound took.
  long long timed(const std::string& path, bool wait) {
    const auto start = Clock::now();
    ui.playSound(path, wait);
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  }
};

TEST_F(Sounds, WaitEndsWithTheSoundAndNeverHangs) {
  const std::string half = file("half.wav", wav(4000, 4000));
  for (int round = 0; round < 2; ++round) {  // the second round reuses the player
    const long long ms = timed(half, true);
    // Start-up allowance (2 s), the sound (0.5 s), the end allowance.
    EXPECT_LT(ms, 3000) << "round " << round;
  }
}

TEST_F(Sounds, WhatCannotPlayReturnsPromptly) {
  const std::string garbage = file("garbage.wav", "this is no sound at all");
  EXPECT_LT(timed(garbage, true), 2500);
  EXPECT_LT(timed(dir + "/missing.wav", true), 100);
  EXPECT_LT(timed(dir + "\\missing.wav", true), 100);
}

TEST_F(Sounds, WithoutWaitReturnsAtOnce) {
  const std::string longer = file("two.wav", wav(16000, 16000));
  EXPECT_LT(timed(longer, false), 1000);
  EXPECT_LT(timed(longer, false), 1000);  // replaces the one still playing
}

}  // namespace
}  // namespace quillan::dialog

int main(int argc, char** argv) {
  // Test discovery runs this without the tests' environment.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
