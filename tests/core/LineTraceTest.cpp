// The trace of a run: every line the loop reaches, numbered as in the
// source, and the error a line set right behind it.
#include <gtest/gtest.h>

#include "runtime/core/LineTrace.h"
#include "tests/support/ScriptHarness.h"

namespace quillan::core {
namespace {

class RecordedTrace final : public LineTrace {
 public:
  void line(int number, std::string_view stored) override {
    text += std::to_string(number) + "\t" + std::string(stored) + "\n";
  }
  void error(int code) override { text += "error\t" + std::to_string(code) + "\n"; }
  void flush() override {}
  std::string text;
};

struct Case {
  const char* name;
  std::vector<std::string> script;
  std::string trace;
};

class Tracing : public ::testing::TestWithParam<Case> {};

TEST_P(Tracing, WritesEveryLineRunAndTheErrorAfterIt) {
  testing::ScriptHarness h;
  RecordedTrace trace;
  h.rt.trace = &trace;
  h.run(GetParam().script);
  EXPECT_EQ(trace.text, GetParam().trace);
}

INSTANTIATE_TEST_SUITE_P(
    Trace, Tracing,
    ::testing::Values(
        // The loop body appears once per pass; REPEAT only once.
        Case{"Loop",
             {"%I = 0", "REPEAT", "%I = @succ(%I)", "UNTIL @equal(%I,2)"},
             "1\t%I = 0\n2\tREPEAT\n3\t%I = @succ(%I)\n4\tUNTIL @equal(%I,2)\n3\t%I = @succ(%I)\n"
             "4\tUNTIL @equal(%I,2)\n"},
        // A label jumped to is not run itself; one fallen into is.
        Case{"GosubAndReturn",
             {"GOSUB sub", "%A = back", "EXIT", ":sub", "%B = in", "EXIT"},
             "1\tGOSUB sub\n5\t%B = in\n6\tEXIT\n2\t%A = back\n3\tEXIT\n"},
        Case{"FallingIntoALabel", {"  ", ":here", "%A = 1"}, "1\t  \n2\t:here\n3\t%A = 1\n"},
        Case{"IfFalseSkipsToElse",
             {"IF", "%A = no", "ELSE", "%A = yes", "END", "IF 1", "%B = then", "ELSE", "%B = else", "END", "%C = 1"},
             "1\tIF\n4\t%A = yes\n5\tEND\n6\tIF 1\n7\t%B = then\n8\tELSE\n11\t%C = 1\n"},
        Case{"GotoBackward",
             {"%N = 0", ":top", "%N = @succ(%N)", "IF @equal(%N,1)", "GOTO top", "END"},
             "1\t%N = 0\n2\t:top\n3\t%N = @succ(%N)\n4\tIF @equal(%N,1)\n5\tGOTO top\n3\t%N = @succ(%N)\n"
             "4\tIF @equal(%N,1)\n"},
        // The error ends the run: nothing after it is traced.
        Case{"UnknownCommand", {"%A = 1", "BOGUS", "%B = 2"}, "1\t%A = 1\n2\tBOGUS\nerror\t1\n"},
        Case{"ErrorInACall", {"%A = x@nosuch(1)y", "%B = 2"}, "1\t%A = x@nosuch(1)y\nerror\t7\n"},
        Case{"MissingLabel", {"GOTO nowhere", "%B = 2"}, "1\tGOTO nowhere\nerror\t12\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Tracing must not change what runs: the same script with and without.
TEST(Trace, LeavesTheRunAsItIs) {
  const std::vector<std::string> script = {"%A = @upper(abc)", "%B = %A@len(%A)", "IF @greater(%B,0)", "%C = yes",
                                           "END"};
  testing::ScriptHarness plain;
  plain.run(script);
  testing::ScriptHarness traced;
  RecordedTrace trace;
  traced.rt.trace = &trace;
  traced.run(script);
  for (const char v : {'A', 'B', 'C'}) EXPECT_EQ(traced.var(v), plain.var(v)) << v;
  EXPECT_EQ(plain.var('B'), "ABC3");
}

}  // namespace
}  // namespace quillan::core
