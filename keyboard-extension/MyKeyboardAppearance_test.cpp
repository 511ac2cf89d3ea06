#include "keyboard-extension/MyKeyboardAppearance.h"

#include <gtest/gtest.h>

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/ThemePalette.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardContext.h"

namespace zandorelle {
namespace {

using keyloom::KeyboardAction;
using keyloom::KeyboardCase;
using platform::ui::Color;

Color rgb(std::uint32_t value) {
  return Color::rgba((value >> 16 & 0xFF) / 255.0, (value >> 8 & 0xFF) / 255.0, (value & 0xFF) / 255.0, 1);
}

std::vector<KeyboardAction> inputActions() {
  return {KeyboardAction::character("a"), KeyboardAction::characterMargin("a"), KeyboardAction::space()};
}

std::vector<KeyboardAction> otherActions() {
  return {KeyboardAction::backspace(), KeyboardAction::shift(KeyboardCase::lowercased),
          KeyboardAction::primary(keyloom::KeyboardReturnKeyType::return_()),
          KeyboardAction::keyboardType(keyloom::KeyboardType::numeric())};
}

struct MyKeyboardAppearanceTest : testing::Test {
  std::shared_ptr<keyloom::KeyboardContext> context = std::make_shared<keyloom::KeyboardContext>();
  MyKeyboardAppearance themed{context};
  keyloom::StandardKeyboardAppearance standard{context};
};

// Each theme's c0...c6, written as numbers to check the table's strings.
const std::array<std::uint32_t, 7> expectedThemes[17] = {
    {0xEC8321, 0xECBF21, 0x8ED21F, 0xFA810F, 0x80B526, 0xFFFFFF, 0xFFFFFF},
    {0x1B1C1F, 0x1B1C1F, 0x1B1C1F, 0x2D2E33, 0x56585F, 0xFFFFFF, 0xFFFFFF},
    {0x0C2B4F, 0x0C2B4F, 0x0C2B4F, 0x143C6A, 0x2D5F99, 0xFFFFFF, 0xFFFFFF},
    {0xC046D3, 0x9439EF, 0x1B37C9, 0xC760F5, 0xC047D4, 0xFFFFFF, 0xFFFFFF},
    {0x17191F, 0x17191F, 0x17191F, 0x2B2E37, 0x17191F, 0xFFFFFF, 0xFFFFFF},
    {0x38CBB0, 0xFFC226, 0xFFC226, 0xFFD566, 0xC047D4, 0xC047D4, 0xFFFFFF},
    {0x7E8AA7, 0x7E8AA7, 0x7E8AA7, 0x515C78, 0x373F54, 0xFFFFFF, 0xFFFFFF},
    {0x187432, 0x09901F, 0x09901F, 0x0E6B28, 0x0E5121, 0xFFFFFF, 0xFFFFFF},
    {0x1B1C1F, 0x333844, 0x333844, 0x404451, 0x5C6171, 0xFFFFFF, 0xFFFFFF},
    {0xFF2E9F, 0xF9CD2F, 0xF9CD2F, 0xFFD7B2, 0xF05CA9, 0xF8538D, 0xFFFFFF},
    {0x5B5EA3, 0x5B5EA3, 0x5B5EA3, 0x6D70B5, 0xA76CBB, 0xFFFFFF, 0xFFFFFF},
    {0xCB913B, 0xCB913B, 0xCB913B, 0xCCBC91, 0xB68B4C, 0x5A401A, 0x5A401A},
    {0x4B102D, 0x4B102D, 0x4B102D, 0x741C47, 0x36071E, 0xFFFFFF, 0xFFFFFF},
    {0x1B1569, 0x5856B2, 0x5856B2, 0x201B73, 0x0E0B43, 0xFA17FF, 0xFFFFFF},
    {0x071027, 0x071027, 0x071027, 0x162448, 0x23CAFF, 0x23CAFF, 0x071027},
    {0x17191F, 0x17191F, 0x17191F, 0x2B2E37, 0x23CAFF, 0x23CAFF, 0x17191F},
    {0x17191F, 0x17191F, 0x17191F, 0x2B2E37, 0xFFFFFF, 0xFFFFFF, 0x17191F},
};

TEST_F(MyKeyboardAppearanceTest, EveryThemePaintsKeysCalloutAndBackground) {
  for (int index = 0; index < 17; ++index) {
    SCOPED_TRACE(testing::Message() << "theme " << index);
    const auto& c = expectedThemes[index];
    KeyboardSelection::setThemeIndex(index);
    for (bool pressed : {false, true}) {
      for (const auto& action : inputActions()) {
        const auto style = themed.buttonStyle(action, pressed);
        EXPECT_EQ(style.backgroundColor(), rgb(c[3]));
        EXPECT_EQ(style.foregroundColor(), rgb(c[5]));
      }
      for (const auto& action : otherActions()) {
        const auto style = themed.buttonStyle(action, pressed);
        EXPECT_EQ(style.backgroundColor(), rgb(c[4]));
        EXPECT_EQ(style.foregroundColor(), rgb(c[6]));
      }
    }
    const auto background = themed.backgroundStyle();
    EXPECT_EQ(background.backgroundGradient, (std::vector<Color>{rgb(c[0]), rgb(c[1]), rgb(c[2])}));
    const auto callout = themed.inputCalloutStyle();
    EXPECT_EQ(callout.callout.backgroundColor, rgb(c[3]));
    EXPECT_EQ(callout.callout.textColor, rgb(c[5]));
  }
}

TEST_F(MyKeyboardAppearanceTest, ThemedStylesKeepEveryOtherField) {
  KeyboardSelection::setThemeIndex(3);
  for (bool pressed : {false, true}) {
    auto expected = standard.buttonStyle(KeyboardAction::character("a"), pressed);
    expected.setBackgroundColor(rgb(0xC760F5));
    expected.setForegroundColor(rgb(0xFFFFFF));
    EXPECT_EQ(themed.buttonStyle(KeyboardAction::character("a"), pressed), expected);
  }
  auto background = standard.backgroundStyle();
  background.backgroundGradient = std::vector<Color>{rgb(0xC046D3), rgb(0x9439EF), rgb(0x1B37C9)};
  EXPECT_EQ(themed.backgroundStyle(), background);
  auto callout = standard.inputCalloutStyle();
  callout.callout.backgroundColor = rgb(0xC760F5);
  callout.callout.textColor = rgb(0xFFFFFF);
  EXPECT_EQ(themed.inputCalloutStyle(), callout);
}

TEST_F(MyKeyboardAppearanceTest, NoThemeOrUnknownIndexIsTheStandardLook) {
  for (int index : {KeyboardSelection::noTheme, -2, 17, 1000}) {
    SCOPED_TRACE(index);
    KeyboardSelection::setThemeIndex(index);
    for (bool pressed : {false, true}) {
      for (const auto& action : inputActions())
        EXPECT_EQ(themed.buttonStyle(action, pressed), standard.buttonStyle(action, pressed));
      for (const auto& action : otherActions())
        EXPECT_EQ(themed.buttonStyle(action, pressed), standard.buttonStyle(action, pressed));
    }
    EXPECT_EQ(themed.backgroundStyle(), standard.backgroundStyle());
    EXPECT_EQ(themed.inputCalloutStyle(), standard.inputCalloutStyle());
    EXPECT_EQ(themed.foregroundColor(), standard.foregroundColor());
  }
}

TEST_F(MyKeyboardAppearanceTest, ReadsTheSelectionAtEachCall) {
  KeyboardSelection::setThemeIndex(14);
  EXPECT_EQ(themed.buttonStyle(KeyboardAction::backspace(), false).foregroundColor(), rgb(0x071027));
  KeyboardSelection::setThemeIndex(15);
  EXPECT_EQ(themed.buttonStyle(KeyboardAction::backspace(), false).foregroundColor(), rgb(0x17191F));
  KeyboardSelection::setThemeIndex(KeyboardSelection::noTheme);
  EXPECT_EQ(themed.buttonStyle(KeyboardAction::backspace(), false),
            standard.buttonStyle(KeyboardAction::backspace(), false));
}

}  // namespace
}  // namespace zandorelle
