#include <cstdio>

#include "platform/fake/FakeLocale.h"
#include "runtime/functions/NumberText.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::Flag;
using testing::FunctionCase;

class IntegerFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(IntegerFunctions, ComputeIn32Bits) {
  testing::ScriptHarness h;
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Integer, IntegerFunctions,
    ::testing::Values(
        FunctionCase{"@sum(2,3)", "5", Flag::Set}, FunctionCase{"@sum($10,1)", "17", Flag::Set},
        FunctionCase{"@sum(  -$a,+1)", "-9", Flag::Set}, FunctionCase{"@sum(-32767,1)", "-32766", Flag::Set},
        FunctionCase{"@sum(2 ,3)", "3)", Flag::Cleared},  // the second argument is never read
        FunctionCase{"@sum(,3)", "3)", Flag::Cleared}, FunctionCase{"@sum(2,x)", "", Flag::Cleared},
        FunctionCase{"@sum(2)", "", Flag::Cleared}, FunctionCase{"@sum(2147483647,1)", "-2147483648", Flag::Set},
        FunctionCase{"@sum(2147483648,0)", "0)", Flag::Cleared},
        FunctionCase{"@sum(-2147483648,0)", "-2147483648", Flag::Set},
        FunctionCase{"@sum($FFFFFFFF,0)", "-1", Flag::Set}, FunctionCase{"@sum($100000000,0)", "0)", Flag::Cleared},
        FunctionCase{"@sum(0x10,0)", "0)", Flag::Cleared}, FunctionCase{"@sum(1.0,0)", "0)", Flag::Cleared},
        FunctionCase{"@diff(2,5)", "-3", Flag::Set}, FunctionCase{"@diff(-2147483648,1)", "2147483647", Flag::Set},
        FunctionCase{"@prod(6,7)", "42", Flag::Set}, FunctionCase{"@prod(65536,65536)", "0", Flag::Set},
        FunctionCase{"@div(7,2)", "3", Flag::Set}, FunctionCase{"@div(-7,2)", "-3", Flag::Set},
        FunctionCase{"@div(1,0)", "", Flag::Cleared}, FunctionCase{"@div(-2147483648,-1)", "-2147483648", Flag::Set},
        FunctionCase{"@succ(41)", "42", Flag::Set}, FunctionCase{"@succ(2147483647)", "-2147483648", Flag::Set},
        FunctionCase{"@succ()", "", Flag::Cleared}, FunctionCase{"@pred(0)", "-1", Flag::Set},
        FunctionCase{"@sum(1,@sum(2,3))", "6", Flag::Set}));

class RealFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(RealFunctions, ComputeAndFormat) {
  testing::ScriptHarness h;
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Real, RealFunctions,
    ::testing::Values(
        FunctionCase{"@fadd(0.1,0.2)", "0.3", Flag::Set}, FunctionCase{"@fdiv(1,3)", "0.333333333333333", Flag::Set},
        FunctionCase{"@fdiv(2,3)", "0.666666666666667", Flag::Set}, FunctionCase{"@fdiv(-1,0)", "", Flag::Cleared},
        FunctionCase{"@fdiv(0,0)", "", Flag::Cleared}, FunctionCase{"@fsub(1.5, 2)", "-0.5", Flag::Set},
        FunctionCase{"@fsub(1,1)", "0", Flag::Set}, FunctionCase{"@fmul(2.5,4)", "10", Flag::Set},
        FunctionCase{"@fmul(1e300,1e300)", "", Flag::Cleared},  // no double holds it
        FunctionCase{"@fmul(1e-300,1e-300)", "0", Flag::Set},
        FunctionCase{"@fmul(12345678901234,10)", "123456789012340", Flag::Set},
        FunctionCase{"@fmul(123456789012345,10)", "1.23456789012345E15", Flag::Set},
        FunctionCase{"@fmul(123456789012345,100)", "1.23456789012345E16", Flag::Set},
        FunctionCase{"@fmul(999999999999999.9,1)", "1E15", Flag::Set},
        FunctionCase{"@fdiv(1,100000)", "0.00001", Flag::Set}, FunctionCase{"@fdiv(1,1000000)", "1E-6", Flag::Set},
        FunctionCase{"@fdiv(-5,2e7)", "-2.5E-7", Flag::Set}, FunctionCase{"@fadd(.5,5.)", "5.5", Flag::Set},
        FunctionCase{"@fadd(1E2,-2e-1)", "99.8", Flag::Set}, FunctionCase{"@fadd(1e400,0)", "0)", Flag::Cleared},
        FunctionCase{"@fadd(inf,0)", "0)", Flag::Cleared}, FunctionCase{"@fadd(nan,0)", "0)", Flag::Cleared},
        FunctionCase{"@fadd(1e,0)", "0)", Flag::Cleared}, FunctionCase{"@fadd(.,0)", "0)", Flag::Cleared},
        FunctionCase{"@fadd(1,2x)", "", Flag::Cleared}, FunctionCase{"@fln(1)", "0", Flag::Set},
        FunctionCase{"@fln(0)", "", Flag::Cleared}, FunctionCase{"@fln(-1)", "", Flag::Cleared},
        FunctionCase{"@fexp(1)", "2.71828182845905", Flag::Set}, FunctionCase{"@fexp(1000)", "", Flag::Cleared},
        FunctionCase{"@fexp(-1000)", "0", Flag::Set}, FunctionCase{"@format(3.14159,8.2)", "3.14", Flag::Set},
        FunctionCase{"@format(3.14159)", "3.14", Flag::Set}, FunctionCase{"@format(2.5,.)", "2", Flag::Set},
        FunctionCase{"@format(-1,10.3)", "-1.000", Flag::Set},
        FunctionCase{"@format(1e20,1)", "100000000000000000000.00", Flag::Set},
        FunctionCase{"@format(1,.31)", "1." + std::string(31, '0'), Flag::Set},
        FunctionCase{"@format(0.1,.60)", "0.100000000000000005551115123125782702118158340454101562500000", Flag::Set},
        FunctionCase{"@format(-2.5,.1074)", "-2.5" + std::string(1073, '0'), Flag::Set},
        FunctionCase{"@format(1,.1075)", "", Flag::Cleared},
        FunctionCase{"@format(1,.99999999999999999999)", "", Flag::Cleared},
        FunctionCase{"@format(1,*)", "", Flag::Cleared}, FunctionCase{"@format(1,8.2f)", "", Flag::Cleared},
        FunctionCase{"@format(x,8.2)", "8.2)", Flag::Cleared}));

// The decimal separator of results is the locale's; input keeps ".".
TEST(RealFunctionsLocale, WriteTheLocalesDecimalSeparator) {
  testing::ScriptHarness h;
  const fake::FakeLocale german = fake::FakeLocale::german();
  h.rt.os.locale = &german;
  EXPECT_EQ(testing::evaluate(h, "@fdiv(1,4)"), "0,25");
  EXPECT_EQ(testing::evaluate(h, "@fdiv(1,4e10)"), "2,5E-11");
  EXPECT_EQ(testing::evaluate(h, "@format(1.5,.3)"), "1,500");
  EXPECT_EQ(testing::evaluate(h, "@fadd(1,1)"), "2");
}

// FORMAT's digits are those the C library prints in fixed notation, up to
// the last decimal of the smallest double.
TEST(RealFunctionsFormat, PrintsTheDigitsTheCLibraryPrints) {
  testing::ScriptHarness h;
  const struct {
    const char* value;
    double parsed;
  } values[] = {{"0.1", 0.1},
                {"-1e300", -1e300},
                {"1.7976931348623157e308", 1.7976931348623157e308},
                {"4.9406564584124654e-324", 4.9406564584124654e-324},
                {"2.2250738585072014e-308", 2.2250738585072014e-308},
                {"123.456", 123.456},
                {"0.5", 0.5},
                {"2.5", 2.5}};
  for (const auto& v : values) {
    for (const int decimals : {0, 1, 17, 31, 330, 1000, functions::kMaxFixedDecimals}) {
      std::string expected(2000, '\0');
      expected.resize(
          static_cast<std::size_t>(std::snprintf(expected.data(), expected.size(), "%.*f", decimals, v.parsed)));
      const std::string expression = "@format(" + std::string(v.value) + ",." + std::to_string(decimals) + ")";
      EXPECT_EQ(testing::evaluate(h, expression), expected) << expression;
    }
  }
}

// The parser takes what the general format writes, so results can be fed
// back into the real functions.
TEST(NumberText, GeneralFormatReadsBack) {
  for (const long double v : {1.0L / 3, 2e-7L, -123456789012345.6L, 9.87654321e250L, 1e-300L}) {
    std::string text;
    functions::writeGeneral(text, v, ".");
    double back = 0;
    ASSERT_TRUE(functions::parseReal(text, back)) << text;
    EXPECT_NEAR(static_cast<double>(back / static_cast<double>(v)), 1.0, 1e-14) << text;
  }
}

}  // namespace
}  // namespace quillan
