// The Qt side's row for each element kind stands at its kind's place and
// fits the Qt-free row: exactly the kinds that are elements make one, and
// every behaviour a row names belongs to a kind that makes an element.
#include <gtest/gtest.h>

#include "runtime/dialog/ElementKinds.h"

namespace quillan::dialog {
namespace {

TEST(ElementKinds, EveryKindHasItsRowInEnumOrder) {
  for (std::size_t i = 0; i < core::kElementKindCount; ++i) {
    const ElementBehaviour& row = kElementBehaviours[i];
    const core::ElementKindRow& data = core::kElementKindRows[i];
    SCOPED_TRACE(static_cast<int>(i));
    EXPECT_EQ(row.kind, data.kind);
    EXPECT_EQ(&behaviourOf(row.kind), &row);
    const bool isElement = data.shape == core::KindShape::Placed || data.shape == core::KindShape::StatusBar ||
                           data.shape == core::KindShape::TrayIcon;
    EXPECT_EQ(row.make != nullptr, isElement);
    if (row.make == nullptr) {
      EXPECT_TRUE(row.read == nullptr && row.set == nullptr && row.clear == nullptr && row.focusLeft == nullptr);
      EXPECT_TRUE(row.click == nullptr && row.typingField == nullptr && row.check == nullptr && row.select == nullptr);
    }
    // What a person can do to an element, the script can read or set.
    if (row.typingField != nullptr || row.select != nullptr || row.check != nullptr) {
      EXPECT_NE(row.read, nullptr);
    }
  }
}

}  // namespace
}  // namespace quillan::dialog
