#include "keyloom/layout/KeyboardLayoutConfiguration.h"

#include <gtest/gtest.h>

#include <memory>

#include "keyloom/state/KeyboardContext.h"

namespace keyloom {
namespace {

using Config = KeyboardLayoutConfiguration;
using O = InterfaceOrientation;

Config make(double radius, double top, double leading, double bottom, double trailing, double rowHeight) {
  return Config{radius, platform::EdgeInsets(top, leading, bottom, trailing), rowHeight};
}

TEST(KeyboardLayoutConfiguration, PresetValues) {
  EXPECT_EQ(Config::standardPad(), make(5, 4, 6, 4, 6, 64));
  EXPECT_EQ(Config::standardPadLandscape(), make(7, 6, 7, 6, 7, 86));
  EXPECT_EQ(Config::standardPadProLarge(), make(6, 4, 4, 4, 4, 69));
  EXPECT_EQ(Config::standardPadProLargeLandscape(), make(8, 5, 7, 5, 7, 88));
  EXPECT_EQ(Config::standardPhone(), make(5, 6, 3, 6, 3, 54));
  EXPECT_EQ(Config::standardPhoneLandscape(), make(5, 4, 3, 4, 3, 40));
  EXPECT_EQ(Config::standardPhoneProMax(), make(5, 5.5, 3, 5.5, 3, 56));
  EXPECT_EQ(Config::standardPhoneProMaxLandscape(), make(5, 4, 3, 4, 3, 40));
}

struct Choice {
  DeviceType device;
  platform::Size screen;
  O orientation;
  Config (*expected)();
};

Config pad() { return Config::standardPad(); }
Config padLandscape() { return Config::standardPadLandscape(); }
Config padProLarge() { return Config::standardPadProLarge(); }
Config padProLargeLandscape() { return Config::standardPadProLargeLandscape(); }
Config phone() { return Config::standardPhone(); }
Config phoneLandscape() { return Config::standardPhoneLandscape(); }
Config phoneProMax() { return Config::standardPhoneProMax(); }
Config phoneProMaxLandscape() { return Config::standardPhoneProMaxLandscape(); }

TEST(KeyboardLayoutConfiguration, ChoiceByDeviceScreenAndOrientation) {
  // Make every preset distinct, so a wrong choice cannot hide behind equal values.
  Config::standardPhoneLandscape().rowHeight = 41;
  Config::standardPhoneProMaxLandscape().rowHeight = 42;
  const Choice choices[] = {
      {DeviceType::pad, {1024, 1366}, O::portrait, padProLarge},
      {DeviceType::pad, {1366, 1024}, O::landscapeLeft, padProLargeLandscape},
      {DeviceType::pad, {1024, 1366}, O::unknown, padProLargeLandscape},
      {DeviceType::pad, {1024, 1365}, O::portrait, pad},
      {DeviceType::pad, {1024, 1365}, O::landscapeRight, padLandscape},
      {DeviceType::pad, {768, 1024}, O::portraitUpsideDown, pad},
      {DeviceType::pad, {428, 926}, O::portrait, pad},
      {DeviceType::phone, {428, 926}, O::portrait, phoneProMax},
      {DeviceType::phone, {430, 932}, O::portrait, phoneProMax},
      {DeviceType::phone, {418.5, 916.5}, O::portrait, phoneProMax},
      {DeviceType::phone, {438, 926}, O::portrait, phone},
      {DeviceType::phone, {428, 916}, O::portrait, phone},
      {DeviceType::phone, {926, 428}, O::landscapeRight, phoneLandscape},
      {DeviceType::phone, {428, 926}, O::unknown, phoneProMaxLandscape},
      {DeviceType::phone, {428, 926}, O::landscape, phoneProMaxLandscape},
      {DeviceType::phone, {390, 844}, O::portrait, phone},
      {DeviceType::phone, {0, 0}, O::landscapeLeft, phoneLandscape},
      {DeviceType::mac, {1024, 1366}, O::portrait, phone},
      {DeviceType::watch, {428, 926}, O::portrait, phoneProMax},
      {DeviceType::tv, {0, 0}, O::portrait, phone},
      {DeviceType::other, {0, 0}, O::landscapeLeft, phoneLandscape},
  };
  for (const auto& c : choices) {
    SCOPED_TRACE(::testing::Message() << rawValue(c.device) << " " << c.screen.width << "x" << c.screen.height
                                      << " " << rawValue(c.orientation));
    EXPECT_EQ(Config::standard(c.device, c.screen, c.orientation), c.expected());
  }
}

TEST(KeyboardLayoutConfiguration, ChoiceForAContext) {
  auto context = std::make_shared<KeyboardContext>();
  context->deviceType = DeviceType::pad;
  context->screenSize = platform::Size{1366, 1024};
  context->interfaceOrientation = O::landscapeRight;
  EXPECT_EQ(Config::standard(*context), Config::standardPadProLargeLandscape());
  context->deviceType = DeviceType::phone;
  context->screenSize = platform::Size{428, 926};
  context->interfaceOrientation = O::portrait;
  EXPECT_EQ(Config::standard(*context), Config::standardPhoneProMax());
}

TEST(KeyboardLayoutConfiguration, PhoneRowHeightIsCopiedAtFirstUse) {
  Config::standardPhoneRowHeight() = 60;
  EXPECT_EQ(Config::standardPhone().rowHeight, 60);
  Config::standardPhoneRowHeight() = 70;
  EXPECT_EQ(Config::standardPhone().rowHeight, 60);
  EXPECT_EQ(Config::standard(DeviceType::phone, {390, 844}, O::portrait).rowHeight, 60);
}

TEST(KeyboardLayoutConfiguration, AssignedPresetIsWhatLaterChoicesReturn) {
  Config::standardPad() = make(1, 2, 3, 4, 5, 6);
  EXPECT_EQ(Config::standard(DeviceType::pad, {768, 1024}, O::portrait), make(1, 2, 3, 4, 5, 6));
}

// Runs after the tests above have changed presets and row heights: each test
// starts from the initial values.
TEST(KeyboardLayoutConfiguration, TestsStartFromTheInitialValues) {
  EXPECT_EQ(Config::standardPhoneRowHeight(), 54);
  EXPECT_EQ(Config::standardPhone().rowHeight, 54);
  EXPECT_EQ(Config::standardPad(), make(5, 4, 6, 4, 6, 64));
}

}  // namespace
}  // namespace keyloom
