#include <gtest/gtest.h>
#include <locale.h>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeLocale.h"
#include "platform/locale/LocalePatterns.h"
#include "platform/locale/PosixLocale.h"
#include "runtime/functions/DateTimeText.h"

namespace quillan {
namespace {

// The C library's formats of a few locales, as their pattern and separator.
TEST(LocalePatterns, ConvertStrftimeFormats) {
  struct Case {
    const char* format;
    char placeholder;
    const char* pattern;
    const char* separator;
  };
  const Case cases[] = {
      {"%d.%m.%Y", '/', "dd/mm/yyyy", "."},
      {"%m/%d/%y", '/', "mm/dd/yy", "/"},
      {"%Y-%m-%d", '/', "yyyy/mm/dd", "-"},
      {"%F", '/', "yyyy/mm/dd", "-"},
      {"%-d.%-m.%Y", '/', "d/m/yyyy", "."},
      {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", '/', "yyyy/mm\"\xE6\x9C\x88\"dd\"\xE6\x97\xA5\"", "\xE5\xB9\xB4"},
      {"%d %b %Ey", '/', "dd/mmm/yy", " "},
      {"%H:%M:%S", ':', "hh:nn:ss", ":"},
      {"%T", ':', "hh:nn:ss", ":"},
      {"%r", ':', "hh:nn:ss\" \"ampm", ":"},
      {"%H.%M.%S %Z", ':', "hh:nn:ss", "."},
  };
  for (const auto& c : cases) {
    const auto converted = locale::convertStrftime(c.format, c.placeholder, "%I:%M:%S %p");
    EXPECT_EQ(converted.pattern, c.pattern) << c.format;
    EXPECT_EQ(converted.separator, c.separator) << c.format;
  }
  EXPECT_EQ(locale::shortTimeFrom("hh:nn:ss\" \"ampm"), "hh:nn\" \"ampm");
  EXPECT_EQ(locale::shortTimeFrom("hh'h'nn'm'ss's'"), "hh'h'nn'm'");
  EXPECT_EQ(locale::longDateFrom("dd/mm/yyyy"), "dddd, d mmmm yyyy");
}

// A German format run through the converter formats as a German reader
// expects, and a date typed that way parses back.
TEST(LocalePatterns, ConvertedSettingsDriveTheFormatter) {
  os::LocaleSettings s;
  locale::applyStrftimeFormats(s, "%d.%m.%Y", "%H:%M:%S", "");
  os::LocalDateTime m;
  ASSERT_TRUE(functions::parseShortDate("24.12.2023", s, m));
  std::string text;
  functions::formatDateTime(text, "ddddd tt", m, s);
  EXPECT_EQ(text, "24.12.2023 00:00:00");
}

TEST(PosixLocale, CLocaleGivesTheIsoFallback) {
  const locale::PosixLocale c("C");
  EXPECT_TRUE(c.loaded());
  const os::LocaleSettings fallback;
  EXPECT_EQ(c.settings().shortDateFormat, fallback.shortDateFormat);
  EXPECT_EQ(c.settings().dateSeparator, "-");
  EXPECT_EQ(c.settings().timeSeparator, ":");
  EXPECT_EQ(c.settings().decimalSeparator, ".");
  EXPECT_EQ(c.settings().longMonthNames[0], "January");
  EXPECT_FALSE(locale::PosixLocale("xx_NOWHERE.UTF-8").loaded());
}

// Only where the machine has these locales; the facts are glibc's.
TEST(PosixLocale, ReadsInstalledLocales) {
  const locale::PosixLocale us("en_US.UTF-8");
  const locale::PosixLocale de("de_DE.UTF-8");
  if (!us.loaded() && !de.loaded()) GTEST_SKIP() << "neither en_US.UTF-8 nor de_DE.UTF-8 is installed";
  if (us.loaded()) {
    EXPECT_EQ(us.settings().shortDateFormat, "mm/dd/yyyy");
    EXPECT_EQ(us.settings().dateSeparator, "/");
    EXPECT_NE(us.settings().longTimeFormat.find("ampm"), std::string::npos);
    EXPECT_EQ(us.settings().decimalSeparator, ".");
  }
  if (de.loaded()) {
    EXPECT_EQ(de.settings().shortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(de.settings().dateSeparator, ".");
    EXPECT_EQ(de.settings().longTimeFormat, "hh:nn:ss");
    EXPECT_EQ(de.settings().decimalSeparator, ",");
    EXPECT_EQ(de.settings().longDayNames[1], "Montag");
    EXPECT_EQ(de.settings().shortMonthNames[2], "M\xC3\xA4r");
  }
}

}  // namespace
}  // namespace quillan

namespace quillan {
namespace {

// Sorted lists order by these keys: case is ignored, letters come in
// alphabetical order, and text that is not UTF-8 still gets a key.
TEST(PosixLocale, SortKeysIgnoreCase) {
  for (const char* name : {"C", "C.UTF-8", "en_US.UTF-8"}) {
    const locale::PosixLocale regional(name);
    EXPECT_EQ(regional.sortKey("Apple"), regional.sortKey("aPPLE")) << name;
    EXPECT_LT(regional.sortKey("apple"), regional.sortKey("Banana")) << name;
    EXPECT_LT(regional.sortKey("B"), regional.sortKey("c")) << name;
    EXPECT_LT(regional.sortKey("a"), regional.sortKey("ab")) << name;
    EXPECT_NE(regional.sortKey("caf\xe9"), regional.sortKey("cafe")) << name;  // Latin-1 e acute
  }
}

TEST(PosixLocale, SortKeysFoldLettersBeyondAscii) {
  const locale::PosixLocale regional("C.UTF-8");
  EXPECT_EQ(regional.sortKey("\xc3\x89t\xc3\xa9"), regional.sortKey("\xc3\xa9T\xc3\x89"));  // Été and éTÉ
}

}  // namespace
}  // namespace quillan
