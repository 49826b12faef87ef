#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::Flag;
using testing::FunctionCase;

class TextFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(TextFunctions, GiveTheirResult) {
  testing::ScriptHarness h;
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextFunctions,
    ::testing::Values(
        FunctionCase{"@asc(A)", "65"}, FunctionCase{"@asc(\xE9)", "233"},  // bytes count unsigned
        FunctionCase{"@asc()", "", Flag::Untouched, 11}, FunctionCase{"@chr(65)", "A", Flag::Set},
        FunctionCase{"@chr(321)", "A", Flag::Set}, FunctionCase{"@chr(-191)", "A", Flag::Set},
        FunctionCase{"@chr($41)", "A", Flag::Set},
        FunctionCase{"@chr(-32767)", "\x01", Flag::Set},  // a real number, not the invalid mark
        FunctionCase{"@chr(x)", "", Flag::Cleared}, FunctionCase{"@cr(ab)x", "ab\rx"}, FunctionCase{"@cr()", "\r"},
        FunctionCase{"@tab(a)", "a\t"}, FunctionCase{"@len(hello)", "5"}, FunctionCase{"@len()", "0"},
        FunctionCase{"@upper(abc)x", "ABCx"}, FunctionCase{"@upper(\xE4x)", "\xE4X"},
        FunctionCase{"@trim(\" a b \")", "a b"}, FunctionCase{"@trim(@tab()x@cr())", "x"},
        FunctionCase{"@trim(\"   \")", ""}, FunctionCase{"@pos(LL,hello)", "3"}, FunctionCase{"@pos(,hello)", "0"},
        FunctionCase{"@pos(hello,he)", "0"}, FunctionCase{"@pos(o,hello)", "5"}, FunctionCase{"@substr(hello,2)", "e"},
        FunctionCase{"@substr(hello,2,4)", "ell"}, FunctionCase{"@substr(hello,2,-1)", "ell"},
        FunctionCase{"@substr(hello,4,2)", ""}, FunctionCase{"@substr(hello)", "h"},
        FunctionCase{"@substr(hello,4,99)", "lo"}, FunctionCase{"@substr(hello,0,2)", "he"},
        FunctionCase{"@substr(hello,2,-9)", ""}, FunctionCase{"@substr(hello,9)", ""},
        FunctionCase{"@equal(abc,ABC)", "1"}, FunctionCase{"@equal(abc,abd)", ""}, FunctionCase{"@equal(abc,abcd)", ""},
        FunctionCase{"@equal(,)", "1"}, FunctionCase{"@greater(10,9)", "1"}, FunctionCase{"@greater(9,10)", ""},
        FunctionCase{"@greater(1e3,999.5)", "1"}, FunctionCase{"@greater(-1,-2)", "1"},
        FunctionCase{"@greater(abc,ABD)", ""}, FunctionCase{"@greater(b,A)", "1"},
        FunctionCase{"@greater(abc,ab)", "1"}, FunctionCase{"@greater(ab,abc)", ""},
        FunctionCase{"@greater(\xE9,z)", "1"},  // bytes compare unsigned
        FunctionCase{"@greater(,a)", ""}, FunctionCase{"@greater(a,)", "", Flag::Untouched, 11},
        FunctionCase{"@not()", "1"}, FunctionCase{"@null(x)", ""}, FunctionCase{"@zero()", "1", Flag::Set},
        FunctionCase{"@zero(0)", "1", Flag::Set}, FunctionCase{"@zero(-0)", "1", Flag::Set},
        FunctionCase{"@zero(7)", "", Flag::Set}, FunctionCase{"@zero(x)", "", Flag::Cleared}));

class KeyFunctions : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(KeyFunctions, BuildKeystrokeCodes) {
  testing::ScriptHarness h;
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFunctions,
                         ::testing::Values(FunctionCase{"@key(F1)", "\xE4"}, FunctionCase{"@key(f5)", "\xE8"},
                                           FunctionCase{"@key(F12)", "\xEF"},
                                           FunctionCase{"@key(f13)", "", Flag::Untouched, 13},
                                           FunctionCase{"@key(F0)", "", Flag::Untouched, 13},
                                           FunctionCase{"@key(F-3)", "", Flag::Untouched, 13},
                                           FunctionCase{"@key(Fx)", "", Flag::Untouched, 13},
                                           FunctionCase{"@key(home)", "\xF0"}, FunctionCase{"@key(END)", "\xF1"},
                                           FunctionCase{"@key(RIGHT)", "\xF5"}, FunctionCase{"@key(PGDN)", "\xF7"},
                                           FunctionCase{"@key(DEL)", "\xF9"}, FunctionCase{"@key(XYZ)", "\xF0"},
                                           FunctionCase{"@key(PG)", "\xF6"},  // the first name the text occurs in
                                           FunctionCase{"@shift(ab)",
                                                        "\xFA"
                                                        "ab\xFB"},
                                           FunctionCase{"@ctrl(@key(F4))", "\xFC\xE7\xFD"},
                                           FunctionCase{"@alt()", "\xFE\xFF"}));

// OK answers from the flag as it stands after its argument was read.
TEST(OkFunction, ReportsTheSuccessFlag) {
  testing::ScriptHarness h;
  h.rt.success = true;
  EXPECT_EQ(testing::evaluate(h, "@ok()"), "1");
  h.rt.success = false;
  EXPECT_EQ(testing::evaluate(h, "@ok()"), "");
  EXPECT_FALSE(h.rt.success);
  EXPECT_EQ(testing::evaluate(h, "@ok(@sum(1,1))"), "1");
  EXPECT_EQ(testing::evaluate(h, "@ok(@sum(1,x))"), "");
  // The failed inner call leaves its unread "1)" behind; OK reads the 1.
  EXPECT_EQ(testing::evaluate(h, "@ok(@sum(x,1))"), ")");
  EXPECT_EQ(testing::evaluate(h, "@sum(1,x)@ok()"), "");
  EXPECT_EQ(h.rt.error, 0);
}

}  // namespace
}  // namespace quillan
