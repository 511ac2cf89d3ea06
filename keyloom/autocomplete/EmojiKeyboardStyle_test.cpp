#include "keyloom/autocomplete/EmojiKeyboardStyle.h"

#include <gtest/gtest.h>

#include "keyloom/state/KeyboardContext.h"

namespace keyloom {
namespace {

struct Expected {
  DeviceType device;
  InterfaceOrientation orientation;
  platform::Size screen;
  int rows;
  double itemSize;
  double horizontalSpacing;
};

TEST(EmojiKeyboardStyleTest, StandardChoosesThePresetForTheContext) {
  const platform::Size pad{820, 1180};
  const std::vector<Expected> cases{
      {DeviceType::phone, InterfaceOrientation::portrait, {390, 844}, 5, 40, 10},
      {DeviceType::phone, InterfaceOrientation::portraitUpsideDown, {390, 844}, 5, 40, 10},
      {DeviceType::phone, InterfaceOrientation::landscapeLeft, {844, 390}, 3, 40, 10},
      {DeviceType::phone, InterfaceOrientation::unknown, {390, 844}, 3, 40, 10},
      {DeviceType::pad, InterfaceOrientation::portrait, pad, 3, 67, 15},
      {DeviceType::pad, InterfaceOrientation::landscape, pad, 5, 58, 15},
      {DeviceType::pad, InterfaceOrientation::portrait, {1024, 1366}, 5, 55, 10},
      {DeviceType::pad, InterfaceOrientation::landscapeRight, {1366, 1024}, 6, 60, 10},
      {DeviceType::pad, InterfaceOrientation::landscapeRight, {1024, 1365}, 5, 58, 15},
      {DeviceType::mac, InterfaceOrientation::landscape, {1366, 1024}, 5, 40, 10},
      {DeviceType::watch, InterfaceOrientation::unknown, {200, 200}, 5, 40, 10},
  };
  for (const auto& c : cases) {
    KeyboardContext context;
    context.deviceType = c.device;
    context.interfaceOrientation = c.orientation;
    context.screenSize = c.screen;
    const auto style = EmojiKeyboardStyle::standard(context);
    EXPECT_EQ(style.rows, c.rows) << static_cast<int>(c.device) << " " << static_cast<int>(c.orientation);
    EXPECT_DOUBLE_EQ(style.itemSize, c.itemSize);
    EXPECT_DOUBLE_EQ(style.horizontalItemSpacing, c.horizontalSpacing);
  }
}

TEST(EmojiKeyboardStyleTest, PresetValues) {
  const auto& phone = EmojiKeyboardStyle::standardPhonePortrait();
  EXPECT_DOUBLE_EQ(phone.totalHeight(), 200);
  EXPECT_EQ(phone.abcText, "ABC");
  EXPECT_EQ(phone.itemFont, platform::ui::Font::system(33));
  EXPECT_EQ(phone.categoryTitlePadding, platform::EdgeInsets(2, 0, 5, 0));
  EXPECT_DOUBLE_EQ(phone.verticalItemSpacing, 6);
  EXPECT_DOUBLE_EQ(phone.verticalCategoryStackSpacing, 0);
  EXPECT_EQ(phone.backspaceIcon, platform::ui::Image::system("delete.left"));
  EXPECT_EQ(phone.selectedCategoryColor, platform::ui::Color::primary().opacity(0.1));

  const auto& pad = EmojiKeyboardStyle::standardPadPortrait();
  EXPECT_DOUBLE_EQ(pad.totalHeight(), 201);
  EXPECT_EQ(pad.itemFont, platform::ui::Font::system(48));
  EXPECT_EQ(pad.categoryEmojiFont, platform::ui::Font::system(35).bold());
  EXPECT_EQ(pad.categoryTitleFont, platform::ui::Font::system(18).bold());
  EXPECT_EQ(EmojiKeyboardStyle::standardLargePadPortrait().categoryTitlePadding, platform::EdgeInsets(14, 0, 0, 0));
  EXPECT_DOUBLE_EQ(EmojiKeyboardStyle::standardLargePadLandscape().verticalCategoryStackSpacing, 10);
}

TEST(EmojiKeyboardStyleTest, AssignedPresetIsUsedFromThenOn) {
  KeyboardContext context;
  context.deviceType = DeviceType::phone;
  context.interfaceOrientation = InterfaceOrientation::portrait;
  EmojiKeyboardStyle::standardPhonePortrait().rows = 7;
  EXPECT_EQ(EmojiKeyboardStyle::standard(context).rows, 7);
  // A copy: changing it leaves the preset alone.
  auto copy = EmojiKeyboardStyle::standard(context);
  copy.rows = 1;
  EXPECT_EQ(EmojiKeyboardStyle::standardPhonePortrait().rows, 7);
}

}  // namespace
}  // namespace keyloom
