// The length of a sound read from its WAV header, as PLAY WAIT bounds its
// wait with it.
#include <gtest/gtest.h>

#include "WavBytes.h"
#include "runtime/dialog/WavHeader.h"

namespace quillan::dialog {
namespace {

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

}  // namespace
}  // namespace quillan::dialog
