#include <gtest/gtest.h>

#include "runtime/dialog/FileChoosers.h"

namespace quillan::dialog {
namespace {

TEST(FileChoosers, FiltersBecomeQtNameFilters) {
  struct Case {
    const char* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"TXT files (*.txt)|*.txt", {"TXT files (*.txt)"}},
      {"All files (*.*)|*.*", {"All files (*)"}},
      {"Texts|*.txt;*.log|Pictures|*.png; *.bmp", {"Texts (*.txt *.log)", "Pictures (*.png *.bmp)"}},
      {"Texts|*.txt|", {"Texts (*.txt)"}},
      {"Lonely", {"Lonely (*)"}},
      {"|*.ini", {"*.ini (*.ini)"}},
      {"", {"* (*)"}},
  };
  for (const Case& c : cases) EXPECT_EQ(nameFilters(c.filter), c.expected) << c.filter;
}

}  // namespace
}  // namespace quillan::dialog
