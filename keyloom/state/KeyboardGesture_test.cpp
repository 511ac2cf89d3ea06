#include "keyloom/state/KeyboardGesture.h"

#include <gtest/gtest.h>

#include "keyloom/gestures/GestureButtonDefaults.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {
namespace {

TEST(KeyboardGesture, RawValuesAreCaseSensitive) {
  EXPECT_EQ(fromRawValue<KeyboardGesture>("repeatPress"), KeyboardGesture::repeatPress);
  EXPECT_EQ(fromRawValue<KeyboardGesture>("RepeatPress"), std::nullopt);
  EXPECT_EQ(fromRawValue<KeyboardGesture>("tap"), std::nullopt);
  const auto all = allCases<KeyboardGesture>();
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all.front(), KeyboardGesture::doubleTap);
  EXPECT_EQ(all.back(), KeyboardGesture::repeatPress);
}

TEST(GestureButtonDefaults, SettableAndPutBackByTheProcessReset) {
  EXPECT_DOUBLE_EQ(GestureButtonDefaults::doubleTapTimeout(), 0.2);
  EXPECT_DOUBLE_EQ(GestureButtonDefaults::longPressDelay(), 0.5);
  EXPECT_DOUBLE_EQ(GestureButtonDefaults::repeatDelay(), 0.5);
  GestureButtonDefaults::longPressDelay() = 1.0;
  EXPECT_DOUBLE_EQ(GestureButtonDefaults::longPressDelay(), 1.0);
  platform::resetProcessState();
  EXPECT_DOUBLE_EQ(GestureButtonDefaults::longPressDelay(), 0.5);
}

}  // namespace
}  // namespace keyloom
