#include <gtest/gtest.h>

#include <cstring>

#include "runtime/core/ScriptFormat.h"
#include "runtime/core/ScriptLoader.h"

namespace quillan::core {
namespace {

// Builds a file block by block, scrambling as the compiler does.
struct FileBuilder {
  std::string bytes = std::string(kStubSize, 'S') + std::string(kScriptHeaderSize, 'H');

  FileBuilder& header(std::int32_t type, std::int32_t length) {
    char h[16] = {};
    std::memcpy(h, &type, 4);
    std::memcpy(h + 4, &length, 4);
    bytes.append(h, 16);
    return *this;
  }
  FileBuilder& text(std::string body) {
    header(kTextBlock, static_cast<std::int32_t>(body.size()));
    scramble({reinterpret_cast<std::uint8_t*>(body.data()), body.size()});
    bytes += body;
    return *this;
  }
  FileBuilder& end() { return header(kEndBlock, 0); }
};

TEST(Scramble, IsItsOwnInverseAndKeepsTheFirstByte) {
  std::string buffer(600, '\0');
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<char>(i * 7);
  const std::string original = buffer;
  scramble({reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()});
  EXPECT_EQ(buffer[0], original[0]);
  EXPECT_NE(buffer, original);
  scramble({reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()});
  EXPECT_EQ(buffer, original);
}

TEST(Scramble, KeyFollowsSeedStepsAndThreshold) {
  // Scrambling zeros reveals the key sequence itself.
  std::string zeros(6, '\0');
  scramble({reinterpret_cast<std::uint8_t*>(zeros.data()), zeros.size()});
  std::uint8_t key = kScrambleSeed;
  for (std::size_t i = 1; i < zeros.size(); ++i) {
    EXPECT_EQ(static_cast<std::uint8_t>(zeros[i]), key) << i;
    key = static_cast<std::uint8_t>(key + (key <= kScrambleThreshold ? kScrambleStepLow : kScrambleStepHigh));
  }
}

struct SplitCase {
  const char* name;
  std::string body;
  std::vector<std::string> lines;
};

class BlockSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(BlockSplitting, GivesTheseLines) {
  std::vector<std::string> lines;
  splitBlock(GetParam().body, lines);
  EXPECT_EQ(lines, GetParam().lines);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Block, BlockSplitting,
                         ::testing::Values(SplitCase{"TrailingNulAddsNoLine", "A\0B\0"s, {"A", "B"}},
                                           SplitCase{"TwoNulsGiveAnEmptyLine", "A\0\0B"s, {"A", "", "B"}},
                                           SplitCase{"LastLineWithoutNul", "A\0B"s, {"A", "B"}},
                                           SplitCase{"EmptyBodyIsOneEmptyLine", ""s, {""}},
                                           SplitCase{"LoneNulIsOneEmptyLine", "\0"s, {""}},
                                           SplitCase{"EmptyLastLineKept", "A\0\0"s, {"A", ""}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LoadCase {
  const char* name;
  std::string file;
  bool ok;
  std::vector<std::string> lines;
};

class Loading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(Loading, GivesLinesOrCorrupt) {
  const LoadedScript script = loadScript(GetParam().file);
  EXPECT_EQ(script.ok, GetParam().ok);
  if (GetParam().ok) {
    EXPECT_EQ(script.lines, GetParam().lines);
  } else {
    EXPECT_EQ(script.message, "File is corrupt");
  }
}

std::string truncated(std::string s, std::size_t n) { return s.substr(0, s.size() - n); }

INSTANTIATE_TEST_SUITE_P(
    File, Loading,
    ::testing::Values(LoadCase{"StubOnly", std::string(kStubSize, 'S'), false, {}},
                      LoadCase{"HeaderCutShort", std::string(kStubSize + 95, 'S'), false, {}},
                      LoadCase{"NoBlocksAtAll", FileBuilder().bytes, false, {}},
                      LoadCase{"EndOnly", FileBuilder().end().bytes, true, {}},
                      LoadCase{
                          "OneBlock", FileBuilder().text("INFO a\0REM b\0"s).end().bytes, true, {"INFO a", "REM b"}},
                      LoadCase{"TwoBlocksInOrder",
                               FileBuilder().text("one\0"s).text("two\0three"s).end().bytes,
                               true,
                               {"one", "two", "three"}},
                      LoadCase{"TextWithoutEnd", FileBuilder().text("one\0"s).bytes, false, {}},
                      LoadCase{"EndHeaderCutShort", truncated(FileBuilder().text("one"s).end().bytes, 1), false, {}},
                      LoadCase{"OtherTypeHasNoBody", FileBuilder().header(7, 100).text("x"s).end().bytes, true, {"x"}},
                      LoadCase{"BytesAfterEndIgnored", FileBuilder().text("x"s).end().bytes + "garbage", true, {"x"}},
                      LoadCase{"BodyPastEndOfFile", FileBuilder().header(kTextBlock, 50).bytes + "short", false, {}},
                      LoadCase{"NegativeLength", FileBuilder().header(kTextBlock, -4).end().bytes, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillan::core
