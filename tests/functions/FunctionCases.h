// Evaluating one "@" expression the way a command argument is read, for
// the table-driven function tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "runtime/core/FieldReader.h"
#include "tests/support/ScriptHarness.h"

namespace quillan::testing {

// What a case expects of the success flag.
enum class Flag { Set, Cleared, Untouched };

struct FunctionCase {
  const char* expression;  // one command argument, e.g. "@sum(2,3)"
  std::string expected;    // the argument after expansion
  Flag flag = Flag::Untouched;
  int error = 0;
};

inline void PrintTo(const FunctionCase& c, std::ostream* os) { *os << c.expression; }

// The expansion of expression as the first argument of a command.
inline std::string evaluate(ScriptHarness& h, const std::string& expression) {
  h.setLine("X " + expression);
  return core::nextField(h.rt);
}

// Runs the case twice, once with the success flag set beforehand and once
// with it cleared: the result must not depend on it, and the flag must end
// as the case says.
inline void expectCase(ScriptHarness& h, const FunctionCase& c) {
  for (const bool before : {true, false}) {
    h.rt.success = before;
    EXPECT_EQ(evaluate(h, c.expression), c.expected) << c.expression;
    EXPECT_EQ(h.rt.error, c.error) << c.expression;
    const bool after = c.flag == Flag::Set ? true : c.flag == Flag::Cleared ? false : before;
    EXPECT_EQ(h.rt.success, after) << c.expression << " (flag set before: " << before << ")";
  }
}

}  // namespace quillan::testing
