#include <gtest/gtest.h>

#include <random>

#include "runtime/core/ScriptLoader.h"
#include "tools/quillanc/ScriptCompiler.h"

namespace quillan::compiler {
namespace {

std::vector<std::string> roundTrip(const std::vector<std::string>& lines, std::size_t blockBody = kMaxBlockBody) {
  const CompileResult compiled = compileLines(lines, blockBody);
  EXPECT_TRUE(compiled.ok) << compiled.error;
  const auto loaded = core::loadScript(compiled.bytes);
  EXPECT_TRUE(loaded.ok);
  return loaded.lines;
}

TEST(CompilerRoundTrip, EveryLineComesBackUnchanged) {
  const std::vector<std::vector<std::string>> scripts = {
      {},
      {""},
      {"", "", ""},
      {"INFO a", "", "REM b", ""},
      {"\r", " trailing blanks   ", "\x01\x7f\x80\xff bytes", std::string(100000, 'x')},
  };
  for (const auto& script : scripts) EXPECT_EQ(roundTrip(script), script);
}

TEST(CompilerRoundTrip, RandomScriptsAcrossSmallBlocks) {
  std::mt19937 random(12345);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> lines(random() % 40);
    for (auto& line : lines) {
      line.resize(random() % 30);
      for (char& c : line) c = static_cast<char>(1 + random() % 255);  // any byte but NUL
    }
    const std::size_t blockBody = 1 + random() % 64;
    ASSERT_EQ(roundTrip(lines, blockBody), lines) << "round " << round;
  }
}

TEST(CompilerRoundTrip, LargeScriptsSpanSeveralBlocks) {
  std::vector<std::string> lines(20000, "%I = @succ(%I)");
  const CompileResult compiled = compileLines(lines);
  // Header, blocks and the end block after the stub: more than one block.
  EXPECT_GT(compiled.bytes.size(), 8192u + 96u + 3 * 16u + 20000u * 15u);
  EXPECT_EQ(roundTrip(lines), lines);
}

TEST(SourceSplitting, LfAndCrlfGiveTheSameLines) {
  EXPECT_EQ(splitSourceLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(splitSourceLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(splitSourceLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(splitSourceLines(""), (std::vector<std::string>{}));
  EXPECT_EQ(splitSourceLines("\n"), (std::vector<std::string>{""}));
}

TEST(Compiler, RefusesNulInsideALine) {
  const CompileResult compiled = compileLines({"ok", std::string("a\0b", 3)});
  EXPECT_FALSE(compiled.ok);
  EXPECT_EQ(compiled.error, "line 2 contains a NUL byte");
}

TEST(Compiler, StubIsAnExecutableLauncherOfExactSize) {
  const std::string stub = launcherStub();
  EXPECT_EQ(stub.size(), 8192u);
  EXPECT_EQ(stub.rfind("#!/bin/sh\n", 0), 0u);
  EXPECT_NE(stub.find("exec \"${QUILLAN_SCRIPTRUN:-scriptrun}\" \"$0\" \"$@\""), std::string::npos);
}

}  // namespace
}  // namespace quillan::compiler
