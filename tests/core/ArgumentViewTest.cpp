// The argument reader that hands out views must read exactly what the one
// that builds every argument reads, and leave the position where it does:
// the handlers that use it would otherwise see other text or lose their
// place in the line.
#include <gtest/gtest.h>

#include "runtime/core/FieldReader.h"
#include "tests/support/ScriptHarness.h"

namespace quillan::core {
namespace {

struct Reading {
  std::vector<std::string> arguments;
  std::vector<int> positions;
};

// Reads five arguments of the call whose "(" is the line's first one.
template <typename Read>
Reading readCall(const std::string& line, Read read) {
  testing::ScriptHarness h;
  h.var('A') = "alpha";
  h.var('B') = "b,e)ta";  // a value's terminators are plain text
  h.setLine(line);
  h.rt.pos = static_cast<int>(line.find('(')) + 1;
  Reading reading;
  for (int i = 0; i < 5; ++i) {
    reading.arguments.push_back(read(h.rt));
    reading.positions.push_back(h.rt.pos);
  }
  return reading;
}

TEST(ArgumentView, ReadsWhatTheBuildingReaderReads) {
  const char* const lines[] = {
      "X @f(plain,%A,%B)",          // plain text, a reference alone each
      "X @f(plain text , %A ,%b)",  // blanks kept, lower-case reference
      "X @f(%A%B,x%A,%Ax)",         // references with more around them
      "X @f(\"q,uo\"te,%A\")",      // quotes
      "X @f(%,%1,%%A)",             // "%" that is no reference, %1 empty
      "X @f(a,,)",                  // empty arguments
      "X @f(last",                  // no ")" at the end of the line
      "X @f(%A",                    // a reference alone at the end
      "X @f(a%",                    // "%" as the last character
      "X @f()tail",                 // nothing inside
      "X @f(  ,  x)",               // blanks only
      "X @f(@succ(1),%A@len(%B))",  // calls inside
  };
  for (const std::string line : lines) {
    const Reading built = readCall(line, [](Runtime& rt) { return nextArgument(rt); });
    const Reading viewed = readCall(line, [](Runtime& rt) {
      std::string buffer;
      return std::string(argumentView(rt, buffer));
    });
    EXPECT_EQ(viewed.arguments, built.arguments) << line;
    EXPECT_EQ(viewed.positions, built.positions) << line;
  }
}

}  // namespace
}  // namespace quillan::core
