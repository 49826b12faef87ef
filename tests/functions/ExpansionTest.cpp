#include <gtest/gtest.h>

#include "runtime/core/FieldReader.h"
#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using testing::ScriptHarness;

// Each case sets %A and %B, puts the line in the working line and reads
// every field the line has.
struct FieldCase {
  const char* name;
  const char* line;
  const char* a;
  std::vector<std::string> fields;
};

class Fields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(Fields, ReadAsExpected) {
  ScriptHarness h;
  h.var('A') = GetParam().a;
  h.var('B') = "bee";
  h.setLine(GetParam().line);
  std::vector<std::string> fields;
  for (std::size_t i = 0; i < GetParam().fields.size(); ++i) fields.push_back(core::nextField(h.rt));
  EXPECT_EQ(fields, GetParam().fields);
  EXPECT_EQ(h.rt.error, 0);
}

INSTANTIATE_TEST_SUITE_P(
    FieldReader, Fields,
    ::testing::Values(FieldCase{"Plain", "CMD a,b , c", "", {"a", "b ", "c"}},
                      FieldCase{"QuotedComma", "CMD \"a, b\",c", "", {"a, b", "c"}},
                      FieldCase{"QuotesInsideDropAll", "CMD x\"y\"z", "", {"xyz"}},
                      FieldCase{"EmptyBetweenCommas", "FILE COPY,a,,c", "", {"COPY", "a", "", "c"}},
                      FieldCase{"MissingFieldsAreEmpty", "CMD a", "", {"a", "", ""}},
                      FieldCase{"ValueCommaDoesNotSplit", "CMD %A,%B", "x,y", {"x,y", "bee"}},
                      FieldCase{"ValueQuoteKeptWithoutQuotedPart", "CMD %A", "say \"hi\"", {"say \"hi\""}},
                      FieldCase{"ValueQuoteDroppedWithQuotedPart", "CMD %A\"!\"", "say \"hi\"", {"say hi!"}},
                      FieldCase{"PercentPercent", "CMD %%A", "v", {"%v"}},
                      FieldCase{"UnknownReferenceStays", "CMD %?x", "", {"%?x"}},
                      FieldCase{"LowerCaseReference", "CMD %a%b", "1", {"1bee"}},
                      FieldCase{"EmptyValueAtStart", "CMD %A,x", "", {"", "x"}},
                      FieldCase{"PercentNotRescanned", "CMD %A", "%B", {"%B"}},
                      FieldCase{"QuotedCallNotExpanded", "CMD \"@cr()\"", "", {"@cr()"}},
                      FieldCase{"ScriptPathIsPercentZero", "CMD %0", "", {"/work/test.exe"}},
                      FieldCase{"UnclosedQuoteRunsToEnd", "CMD \"a,b", "", {"a,b"}},
                      FieldCase{"QuoteAsLastCharacter", "CMD ab\"", "", {"ab"}},
                      FieldCase{"PercentAsLastCharacter", "CMD x%", "", {"x%"}},
                      FieldCase{"CallThenNextField", "CMD @upper(%A)%B,%B", "x,y", {"X,Ybee", "bee"}},
                      FieldCase{"UnreadArgumentsStayBeforeTheNextField", "CMD @upper(a,%B),c", "", {"Abee)", "c"}},
                      FieldCase{"CallResultNotRescanned", "CMD @upper(%A)", "@cr(),\"%b", {"@CR(),\"%B"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A line is read in one pass: a long line of references and calls comes
// out whole, each value in its place.
TEST(FieldReader, LongLineExpandsEveryReference) {
  ScriptHarness h;
  h.var('A') = "%B,";
  h.var('B') = "bee";
  std::string line = "CMD ";
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    line += i % 2 == 0 ? "%A%b" : "@len(%A)\"%\"";
    expected += i % 2 == 0 ? "%B,bee" : "3%";
  }
  h.setLine(line + ",next");
  EXPECT_EQ(core::nextField(h.rt), expected);
  EXPECT_EQ(core::nextField(h.rt), "next");
  EXPECT_EQ(h.rt.error, 0);
}

}  // namespace
}  // namespace quillan
