#include <gtest/gtest.h>

#include "platform/x11/MessageMapping.h"
#include "platform/x11/WindowText.h"

namespace quillan::x11 {
namespace {

TEST(WindowText, ScriptTextBecomesUtf8AsTheDialogShowsIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"Notes", "Notes"},
      {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},    // valid UTF-8 stays
      {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},            // otherwise Latin-1
      {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},  // one bad byte makes it all Latin-1
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},  // a surrogate is no UTF-8
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},              // nor an overlong form
      {"", ""},
  };
  for (const auto& [script, window] : cases) EXPECT_EQ(toWindowText(script), window) << script;
}

TEST(WindowText, TitlesCompareWithoutRegardToCase) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Report Viewer", "report VIEWER", true},
      {"\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9", true},  // ÉTÉ and été
      {"\xC3\x97", "\xC3\xB7", false},                   // × is no capital of ÷
      {"Report", "Report Viewer", false},
      {"Report Viewer", "Report", false},
      {"a\xC3", "a\xC3", true},  // a cut sequence compares by its bytes
      {"\xC3"
       "A",
       "\xC3\xA1", false},  // and so does a lead byte before no continuation
      {"", "", true},
  };
  for (const auto& [a, b, same] : cases) EXPECT_EQ(sameTextIgnoringCase(a, b), same) << a << " / " << b;
}

TEST(WindowText, ClassPropertyHasTwoParts) {
  using namespace std::string_literals;
  const std::tuple<std::string, const char*, const char*> cases[] = {
      {"xmsg\0Xmessage\0"s, "xmsg", "Xmessage"},
      {"only\0"s, "only", ""},
      {"noend"s, "noend", ""},
      {""s, "", ""},
      {"a\0b"s, "a", "b"},
  };
  for (const auto& [property, instance, className] : cases) {
    const ClassParts parts = splitClass(property);
    EXPECT_EQ(parts.instance, instance);
    EXPECT_EQ(parts.className, className);
  }
}

TEST(MessageMapping, CloseAndTheWindowMenuBecomeOperations) {
  using M = MessageOperation;
  const std::tuple<std::uint16_t, std::uint16_t, std::optional<M>> cases[] = {
      {16, 0, M::Close},          {16, 7, M::Close},          {274, 0xF020, M::Iconize}, {274, 0xF030, M::Maximize},
      {274, 0xF032, M::Maximize}, {274, 0xF120, M::Normal},   {274, 0xF060, M::Close},   {274, 0xF100, std::nullopt},
      {274, 0, std::nullopt},     {26, 0xF060, std::nullopt}, {1234, 0, std::nullopt},
  };
  for (const auto& [message, wparam, operation] : cases)
    EXPECT_EQ(operationForMessage(message, wparam), operation) << message << " " << wparam;
}

}  // namespace
}  // namespace quillan::x11
