#include "keyloom/state/ExternalKeyboardContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/input/HardwareKeyboard.h"

namespace keyloom {
namespace {

using platform::HardwareKeyboard;

TEST(ExternalKeyboardContextTest, ReportsTheStateAtCreation) {
  EXPECT_FALSE(ExternalKeyboardContext().isExternalKeyboardConnected.get());
  HardwareKeyboard::connect();
  EXPECT_TRUE(ExternalKeyboardContext().isExternalKeyboardConnected.get());
}

TEST(ExternalKeyboardContextTest, AsksAgainOnEveryNotificationAndAlwaysPublishes) {
  ExternalKeyboardContext context;
  std::vector<bool> heard;
  auto subscription =
      context.isExternalKeyboardConnected.didSet().sink([&](bool value) { heard.push_back(value); });

  auto first = HardwareKeyboard::connect("first");
  auto second = HardwareKeyboard::connect("second");
  HardwareKeyboard::disconnect(first);  // the second one is still attached
  EXPECT_TRUE(context.isExternalKeyboardConnected.get());
  HardwareKeyboard::disconnect(second);
  EXPECT_EQ(heard, (std::vector{true, true, true, false}));
}

TEST(ExternalKeyboardContextTest, ListensOnTheGivenCentre) {
  platform::NotificationCenter center;
  ExternalKeyboardContext context(center);
  HardwareKeyboard::connect();  // posted on the default centre only
  EXPECT_FALSE(context.isExternalKeyboardConnected.get());
  center.post(HardwareKeyboard::didConnectNotification);
  EXPECT_TRUE(context.isExternalKeyboardConnected.get());
}

TEST(ExternalKeyboardContextTest, AFreedContextHearsNothing) {
  platform::NotificationCenter center;
  auto context = std::make_unique<ExternalKeyboardContext>(center);
  EXPECT_EQ(center.observerCount(), 2u);
  context.reset();
  EXPECT_EQ(center.observerCount(), 0u);
  center.post(HardwareKeyboard::didDisconnectNotification);  // would touch freed memory otherwise
}

}  // namespace
}  // namespace keyloom
