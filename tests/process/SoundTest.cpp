// PLAY through Qt Multimedia: a sound that is waited for must end the wait,
// whether or not the machine has an audio device.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "WavBytes.h"
#include "runtime/dialog/QtMessages.h"
#include "runtime/dialog/QtUserInterface.h"
#include "runtime/dialog/SoundModule.h"

namespace quillan::dialog {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Sounds : ::testing::Test {
  std::string dir;
  QtUserInterface ui;
  Sounds() {
    // The player comes from the sound module: without it every sound would
    // be the bell, and these cases would pass without playing anything.
    EXPECT_NE(soundModule(), nullptr) << soundModuleFailure();
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
  // CTest hands a discovered test only the first entry of an ENVIRONMENT
  // list, so the module directory comes from the build as well.
  if (std::getenv("QUILLAN_MODULE_DIR") == nullptr) setenv("QUILLAN_MODULE_DIR", QUILLAN_TEST_MODULE_DIR, 1);
  ::testing::InitGoogleTest(&argc, argv);
  quillan::dialog::installQuietMessages();  // test discovery runs without XDG_RUNTIME_DIR
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
