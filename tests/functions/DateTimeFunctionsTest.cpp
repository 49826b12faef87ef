#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeLocale.h"
#include "runtime/functions/DateTimeText.h"
#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::FunctionCase;

// Tuesday, 5 March 2024, 14:07:09.250.
os::LocalDateTime sampleMoment() {
  os::LocalDateTime m;
  m.year = 2024;
  m.month = 3;
  m.day = 5;
  m.hour = 14;
  m.minute = 7;
  m.second = 9;
  m.millisecond = 250;
  m.weekday = 2;
  return m;
}

struct LocaleCase {
  const char* locale;  // "C" (no locale in the platform), "german", "american"
  FunctionCase call;
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.locale << ": " << c.call.expression; }

class DateTime : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(DateTime, FormatsAndConverts) {
  testing::ScriptHarness h;
  fake::FakeClock clock;
  clock.moment = sampleMoment();
  h.rt.os.clock = &clock;
  const std::string which = GetParam().locale;
  const fake::FakeLocale locale = which == "german" ? fake::FakeLocale::german() : fake::FakeLocale::american();
  if (which != "C") h.rt.os.locale = &locale;
  testing::expectCase(h, GetParam().call);
}

constexpr int kBad = 13;
using F = testing::Flag;

INSTANTIATE_TEST_SUITE_P(
    Functions, DateTime,
    ::testing::Values(
        // The clock's moment, packed (seconds halved) or formatted.
        LocaleCase{"C", {"@datetime()", "1483043044"}},
        LocaleCase{"C", {"@datetime(yyyy-mm-dd hh:nn:ss)", "2024-03-05 14:07:09"}},
        LocaleCase{"C", {"@datetime(d/m/yy)", "5-3-24"}},
        LocaleCase{"C", {"@datetime(dddd ddd mmmm mmm)", "Tuesday Tue March Mar"}},
        LocaleCase{"C", {"@datetime(hh:mm)", "14:07"}}, LocaleCase{"C", {"@datetime(H:MM am/pm)", "2:07 pm"}},
        LocaleCase{"C", {"@datetime(h A/P)", "2 P"}}, LocaleCase{"C", {"@datetime(hh ampm)", "02 PM"}},
        LocaleCase{"C", {"@datetime('dd' dd)", "dd 05"}},
        LocaleCase{"C", {"@datetime(ddddd|dddddd)", "2024-03-05|Tuesday, 2024 March 5"}},
        LocaleCase{"C", {"@datetime(c)", "2024-03-05 14:07:09"}},
        LocaleCase{"C", {"@datetime(t tt)", "14:07 14:07:09"}},
        // A packed file date as the value.
        LocaleCase{"C", {"@datetime(dd/mm/yyyy hh:nn:ss,1483043044)", "05-03-2024 14:07:08"}},
        LocaleCase{"C", {"@datetime(,1483043044)", "1483043044"}},
        LocaleCase{"C", {"@datetime(,$58650000)", "1483014144"}},
        LocaleCase{"C", {"@datetime(yyyy,0)", "", F::Untouched, kBad}},
        LocaleCase{"C", {"@datetime(yyyy,xyz)", "", F::Untouched, kBad}},
        // From 2044 on the packed value is negative, even where "-" is the
        // date separator; its unsigned spelling reads the same.
        LocaleCase{"C", {"@datetime(,2050-06-01)", "-1933508608"}},
        LocaleCase{"C", {"@datetime(ddddd,-1933508608)", "2050-06-01"}},
        LocaleCase{"C", {"@datetime(ddddd,2361458688)", "2050-06-01"}},
        // A typed short date.
        LocaleCase{"C", {"@datetime(,2024-03-05)", "1483014144"}},
        LocaleCase{"C", {"@datetime(dddd,2024-02-29)", "Thursday"}}, LocaleCase{"C", {"@datetime(,1979-12-31)", "0"}},
        LocaleCase{"C", {"@datetime(yyyy,2023-02-29)", "", F::Untouched, kBad}},
        LocaleCase{"C", {"@datetime(yyyy,2024-13-01)", "", F::Untouched, kBad}},
        LocaleCase{"C", {"@datetime(yyyy,2024-03)", "", F::Untouched, kBad}},
        LocaleCase{"C", {"@datetime(yyyy,2024-03-05 10:00)", "", F::Untouched, kBad}},
        LocaleCase{"german", {"@datetime(dddd d. mmmm yyyy,15.01.2024)", "Montag 15. Januar 2024"}},
        LocaleCase{"german", {"@datetime(ddddd,1.2.99)", "01.02.1999"}},
        LocaleCase{"german", {"@datetime(mmm,5.3.24)", "Mär"}},
        LocaleCase{"german", {"@datetime(yyyy,2024-01-15)", "", F::Untouched, kBad}},
        LocaleCase{"american", {"@datetime(dddd,12/25/2023)", "Monday"}},
        LocaleCase{"american", {"@datetime(c)", "03/05/2024 02:07:09 PM"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DateTimeWithoutClock, GivesNothingAndClearsTheFlag) {
  testing::ScriptHarness h;  // no clock, no locale
  h.rt.success = true;
  EXPECT_EQ(testing::evaluate(h, "@datetime(yyyy)"), "");
  EXPECT_FALSE(h.rt.success);
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(testing::evaluate(h, "@datetime(yyyy,2024-03-05)"), "2024");
}

TEST(PackedFileDate, RoundTripsEveryFieldAtItsLimits) {
  for (const auto& [y, mo, d, h, mi, s] : {std::array{1980, 1, 1, 0, 0, 0}, std::array{2099, 12, 31, 23, 59, 58},
                                           std::array{2043, 12, 31, 23, 59, 58}, std::array{2044, 1, 1, 0, 0, 0}}) {
    os::LocalDateTime m;
    m.year = y, m.month = mo, m.day = d, m.hour = h, m.minute = mi, m.second = s;
    os::LocalDateTime back;
    ASSERT_TRUE(functions::unpackFileDate(functions::packFileDate(m), back)) << y;
    EXPECT_EQ((std::array<int, 6>{back.year, back.month, back.day, back.hour, back.minute, back.second}),
              (std::array<int, 6>{y, mo, d, h, mi, s}));
    EXPECT_EQ(back.weekday, functions::weekdayOf(y, mo, d));
  }
  EXPECT_EQ(functions::weekdayOf(1980, 1, 1), 2);  // a Tuesday
  EXPECT_EQ(functions::weekdayOf(2000, 2, 29), 2);
}

}  // namespace
}  // namespace quillan
