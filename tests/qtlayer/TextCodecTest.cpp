#include <gtest/gtest.h>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

TEST(TextCodec, Utf8ShowsAsUtf8AndOtherBytesAsLatin1) {
  EXPECT_EQ(toDisplay("caf\xc3\xa9"), QString::fromUtf8("café"));
  EXPECT_EQ(toDisplay("caf\xe9"), QString::fromUtf8("café"));  // a Latin-1 byte, not valid UTF-8
  EXPECT_EQ(fromDisplay(toDisplay("caf\xc3\xa9")), "caf\xc3\xa9");
}

TEST(TextCodec, ScriptLineBreaksBecomeNewlines) {
  EXPECT_EQ(toDisplayText("a\rb\r\nc\nd"), QStringLiteral("a\nb\nc\nd"));
}

}  // namespace
}  // namespace quillan::dialog
