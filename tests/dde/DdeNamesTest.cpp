#include <gtest/gtest.h>

#include "platform/dde/DdeNames.h"

namespace quillan::dde {
namespace {

struct NameCase {
  const char* name;
  std::string_view text;
  const char* encoded;
};

class EncodedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(EncodedName, IsAValidElementOfBusNameAndPath) {
  const NameCase& c = GetParam();
  EXPECT_EQ(encodeName(c.text), c.encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Dde, EncodedName,
    ::testing::Values(NameCase{"LettersFoldToLowerCase", "Progman", "progman"},
                      NameCase{"PunctuationAndBlanksAreHex", "C:\\Data\\Book 1.xls", "c_3A_5Cdata_5Cbook_201_2Exls"},
                      NameCase{"EmptyGetsAnUnderscore", "", "_"},
                      NameCase{"LeadingDigitGetsAnUnderscore", "1999", "_1999"},
                      NameCase{"DigitsInsideStay", "a1b2", "a1b2"},
                      NameCase{"UnderscoreIsEncodedSoNoTwoNamesMeet", "a_2E", "a_5F2e"},
                      NameCase{"DotIsEncoded", "a.2E", "a_2E2e"},
                      NameCase{"NonAsciiBytesAreHex",
                               "Gr\xc3\xbc\xc3\x9f"
                               "e",
                               "gr_C3_BC_C3_9Fe"},
                      NameCase{"ControlAndHighBytes", std::string_view("\0\x1f\x7f\xff", 4), "_00_1F_7F_FF"},
                      NameCase{"LeadingHexStartsWithUnderscoreAlready", "-x", "_2Dx"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DdeNames, ServiceAndTopicTakeTheirPrefixes) {
  EXPECT_EQ(busNameFor("Progman"), "org.quillan.Dde.progman");
  EXPECT_EQ(objectPathFor("C:\\Data\\Book 1.xls"), "/org/quillan/Dde/c_3A_5Cdata_5Cbook_201_2Exls");
  EXPECT_EQ(busNameFor("3D"), "org.quillan.Dde._3d");
  EXPECT_EQ(objectPathFor(""), "/org/quillan/Dde/_");
}

}  // namespace
}  // namespace quillan::dde
