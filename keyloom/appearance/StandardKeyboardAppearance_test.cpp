#include "keyloom/appearance/StandardKeyboardAppearance.h"

#include <gtest/gtest.h>

#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {
namespace {

using platform::Size;
using platform::ui::Color;
using Colors = KeyboardColorReader;
using W = KeyboardFontWeight;

struct Device {
  DeviceType type = DeviceType::phone;
  InterfaceOrientation orientation = InterfaceOrientation::portrait;
  Size screen{390, 844};
  bool dark = false;
};

std::shared_ptr<KeyboardContext> makeContext(const Device& device) {
  auto context = std::make_shared<KeyboardContext>();
  context->deviceType = device.type;
  context->interfaceOrientation = device.orientation;
  context->screenSize = device.screen;
  context->traitCollection =
      platform::TraitCollection{device.dark ? platform::UserInterfaceStyle::dark : platform::UserInterfaceStyle::light};
  context->locale = platform::Locale("en");
  return context;
}

const Device phoneLight{};
const Device phoneDark{.dark = true};
const Device padPortrait{.type = DeviceType::pad, .screen = {1024, 1366}};
const Device padLandscape{.type = DeviceType::pad, .orientation = InterfaceOrientation::landscapeLeft,
                          .screen = {1366, 1024}};

TEST(StandardKeyboardAppearance, BackgroundColours) {
  const auto light = makeContext(phoneLight);
  const auto dark = makeContext(phoneDark);
  struct Row {
    const char* name;
    KeyboardAction action;
    bool pressed;
    bool dark;
    Color base;
    double opacity;
  };
  const Row rows[] = {
      {"margin", KeyboardAction::characterMargin("a"), false, false, Colors::clearInteractable(), 0.95},
      {"emoji pressed", KeyboardAction::emoji(Emoji("😀")), true, false, Colors::clearInteractable(), 1},
      {"category", KeyboardAction::emojiCategory(EmojiCategory::animals), false, true, Colors::clearInteractable(), 1},
      {"none", KeyboardAction::none(), false, false, Color::clear(), 0.95},
      {"char", KeyboardAction::character("a"), false, false, Colors::standardButtonBackground(*light), 0.95},
      {"char dark", KeyboardAction::character("a"), false, true, Colors::standardButtonBackground(*dark), 1},
      {"char pressed", KeyboardAction::character("a"), true, false, Colors::standardDarkButtonBackground(*light), 1},
      {"char pressed dark", KeyboardAction::character("a"), true, true, Colors::standardDarkButtonBackground(*dark),
       1},
      {"space", KeyboardAction::space(), false, false, Colors::standardButtonBackground(*light), 0.95},
      {"backspace", KeyboardAction::backspace(), false, false, Colors::standardDarkButtonBackground(*light), 0.95},
      {"backspace dark", KeyboardAction::backspace(), false, true, Colors::standardDarkButtonBackground(*dark), 1},
      {"backspace pressed", KeyboardAction::backspace(), true, false, Color::white(), 1},
      {"backspace pressed dark", KeyboardAction::backspace(), true, true, Colors::standardButtonBackground(*dark), 1},
      {"caps locked", KeyboardAction::shift(KeyboardCase::capsLocked), false, false, Color::white(), 0.95},
      {"uppercased dark", KeyboardAction::shift(KeyboardCase::uppercased), false, true,
       Colors::standardButtonBackground(*dark), 1},
      {"lowercased shift", KeyboardAction::shift(KeyboardCase::lowercased), false, false,
       Colors::standardDarkButtonBackground(*light), 0.95},
      {"done", KeyboardAction::primary(KeyboardReturnKeyType::done()), false, false, Color::blue(), 0.95},
      {"done pressed", KeyboardAction::primary(KeyboardReturnKeyType::done()), true, false, Color::white(), 1},
      {"done pressed dark", KeyboardAction::primary(KeyboardReturnKeyType::done()), true, true,
       Colors::standardDarkButtonBackground(*dark), 1},
      // return is a system action, so it takes the system rows.
      {"return", KeyboardAction::primary(KeyboardReturnKeyType::return_()), false, false,
       Colors::standardDarkButtonBackground(*light), 0.95},
  };
  for (const auto& row : rows) {
    const StandardKeyboardAppearance appearance(row.dark ? dark : light);
    EXPECT_EQ(appearance.buttonBackgroundColor(row.action, row.pressed), row.base.opacity(row.opacity)) << row.name;
  }
}

TEST(StandardKeyboardAppearance, ForegroundColours) {
  const auto light = makeContext(phoneLight);
  const auto dark = makeContext(phoneDark);
  struct Row {
    const char* name;
    KeyboardAction action;
    bool pressed;
    bool dark;
    Color expected;
  };
  const Row rows[] = {
      {"margin", KeyboardAction::characterMargin("a"), false, false, Colors::clearInteractable()},
      {"none", KeyboardAction::none(), true, true, Color::clear()},
      {"backspace", KeyboardAction::backspace(), false, false, Colors::standardButtonForeground(*light)},
      {"backspace dark", KeyboardAction::backspace(), true, true, Colors::standardButtonForeground(*dark)},
      {"return", KeyboardAction::primary(KeyboardReturnKeyType::return_()), false, false,
       Colors::standardButtonForeground(*light)},
      {"done", KeyboardAction::primary(KeyboardReturnKeyType::done()), false, false, Color::white()},
      {"done pressed", KeyboardAction::primary(KeyboardReturnKeyType::done()), true, false,
       Colors::standardButtonForeground(*light)},
      {"done pressed dark", KeyboardAction::primary(KeyboardReturnKeyType::done()), true, true, Color::white()},
      {"char dark", KeyboardAction::character("a"), false, true, Colors::standardButtonForeground(*dark)},
      {"emoji", KeyboardAction::emoji(Emoji("😀")), false, false, Colors::standardButtonForeground(*light)},
  };
  for (const auto& row : rows) {
    const StandardKeyboardAppearance appearance(row.dark ? dark : light);
    EXPECT_EQ(appearance.buttonForegroundColor(row.action, row.pressed), row.expected) << row.name;
  }
}

TEST(StandardKeyboardAppearance, FontSizesAndWeights) {
  struct Row {
    const char* name;
    Device device;
    KeyboardAction action;
    double size;
    std::optional<W> weight;
  };
  const Row rows[] = {
      {"a", phoneLight, KeyboardAction::character("a"), 26, W::light},
      {"A", phoneLight, KeyboardAction::character("A"), 23, std::nullopt},
      {"1", phoneLight, KeyboardAction::character("1"), 23, std::nullopt},
      {".", phoneLight, KeyboardAction::character("."), 23, std::nullopt},
      {"ß", phoneLight, KeyboardAction::character("\u00df"), 26, W::light},
      {"É", phoneLight, KeyboardAction::character("\u00c9"), 23, std::nullopt},
      {"a1", phoneLight, KeyboardAction::character("a1"), 26, W::light},
      {"aB", phoneLight, KeyboardAction::character("aB"), 23, std::nullopt},
      {"emoji", phoneLight, KeyboardAction::emoji(Emoji("😀")), 23, std::nullopt},
      {"backspace", phoneLight, KeyboardAction::backspace(), 20, W::regular},
      {"numeric phone", phoneLight, KeyboardAction::keyboardType(KeyboardType::numeric()), 16, std::nullopt},
      {"numeric pad", padPortrait, KeyboardAction::keyboardType(KeyboardType::numeric()), 16, std::nullopt},
      {"numeric pad landscape", padLandscape, KeyboardAction::keyboardType(KeyboardType::numeric()), 22,
       std::nullopt},
      {"abc pad landscape", padLandscape,
       KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_)), 22, std::nullopt},
      {"symbolic pad landscape", padLandscape, KeyboardAction::keyboardType(KeyboardType::symbolic()), 20,
       std::nullopt},
      {"abc phone", phoneLight, KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::lowercased)),
       15, std::nullopt},
      {"symbolic phone", phoneLight, KeyboardAction::keyboardType(KeyboardType::symbolic()), 14, std::nullopt},
      {"email phone (image)", phoneLight, KeyboardAction::keyboardType(KeyboardType::email()), 20, W::light},
      {"custom type phone", phoneLight, KeyboardAction::keyboardType(KeyboardType::custom("x")), 14, std::nullopt},
      {"done", phoneLight, KeyboardAction::primary(KeyboardReturnKeyType::done()), 16, std::nullopt},
      {"custom", phoneLight, KeyboardAction::custom("x"), 23, std::nullopt},
  };
  for (const auto& row : rows) {
    const StandardKeyboardAppearance appearance(makeContext(row.device));
    EXPECT_EQ(appearance.buttonFontSize(row.action), row.size) << row.name;
    EXPECT_EQ(appearance.buttonFontWeight(row.action), row.weight) << row.name;
    EXPECT_EQ(appearance.buttonFont(row.action), KeyboardFont::system(row.size, row.weight)) << row.name;
  }
}

TEST(StandardKeyboardAppearance, ImagesAndSpaceSizes) {
  const StandardKeyboardAppearance appearance(makeContext(phoneLight));
  const auto space = KeyboardAction::space();
  EXPECT_EQ(appearance.buttonFontSize(space), appearance.buttonImage(space) ? 20 : 16);
  const auto shift = KeyboardAction::shift(KeyboardCase::lowercased);
  ASSERT_TRUE(appearance.buttonImage(shift).has_value());
  EXPECT_EQ(appearance.buttonFontSize(shift), 20);
  EXPECT_EQ(appearance.buttonFontWeight(shift), W::light);
  EXPECT_EQ(appearance.buttonImageScaleFactor(shift), 1.0);
  EXPECT_EQ(StandardKeyboardAppearance(makeContext(padPortrait)).buttonImageScaleFactor(space), 1.2);
}

TEST(StandardKeyboardAppearance, GeorgianLettersAreRegular) {
  auto context = makeContext(phoneLight);
  context->locale = platform::Locale("ka");
  const StandardKeyboardAppearance appearance(context);
  EXPECT_EQ(appearance.buttonFontWeight(KeyboardAction::character("a")), W::regular);
  EXPECT_EQ(appearance.buttonFontWeight(KeyboardAction::character("A")), W::regular);
  context->keyboardType = KeyboardType::numeric();
  EXPECT_EQ(appearance.buttonFontWeight(KeyboardAction::character("a")), W::light);
}

TEST(StandardKeyboardAppearance, BordersAndShadows) {
  KeyboardButtonBorderStyle::standard() = KeyboardButtonBorderStyle(Color::red(), 2);
  const StandardKeyboardAppearance appearance(makeContext(phoneLight));
  for (const auto& action : {KeyboardAction::emoji(Emoji("😀")), KeyboardAction::emojiCategory(EmojiCategory::flags),
                             KeyboardAction::none()}) {
    EXPECT_EQ(appearance.buttonBorderStyle(action), KeyboardButtonBorderStyle::noBorder());
    EXPECT_EQ(appearance.buttonShadowStyle(action), KeyboardButtonShadowStyle(Color::clear(), 1));
  }
  const auto margin = KeyboardAction::characterMargin("a");
  EXPECT_EQ(appearance.buttonBorderStyle(margin), KeyboardButtonBorderStyle(Color::red(), 2));
  EXPECT_EQ(appearance.buttonShadowStyle(margin), KeyboardButtonShadowStyle::noShadow());
  EXPECT_EQ(appearance.buttonShadowStyle(KeyboardAction::space()), KeyboardButtonShadowStyle::standard());
  // Presets are read at each call.
  KeyboardButtonShadowStyle::standard() = KeyboardButtonShadowStyle(Color::green(), 3);
  EXPECT_EQ(appearance.buttonShadowStyle(KeyboardAction::space()), KeyboardButtonShadowStyle(Color::green(), 3));
}

TEST(StandardKeyboardAppearance, ButtonStyleAssemblesTheParts) {
  const auto context = makeContext(phoneLight);
  const StandardKeyboardAppearance appearance(context);
  const auto action = KeyboardAction::character("a");
  const auto style = appearance.buttonStyle(action, false);
  EXPECT_EQ(style.backgroundColor(), appearance.buttonBackgroundColor(action, false));
  EXPECT_EQ(style.foregroundColor(), appearance.buttonForegroundColor(action, false));
  EXPECT_EQ(style.font(), KeyboardFont::system(26, W::light));
  EXPECT_EQ(style.cornerRadius(), KeyboardLayoutConfiguration::standard(*context).buttonCornerRadius);
  EXPECT_EQ(style.border(), KeyboardButtonBorderStyle::standard());
  EXPECT_EQ(style.shadow(), KeyboardButtonShadowStyle::standard());
  EXPECT_EQ(style.pressedOverlayColor(), std::nullopt);
}

TEST(StandardKeyboardAppearance, BottomEdgeInset) {
  struct Row {
    DeviceType type;
    Size screen;
    double bottom;
  };
  const Row rows[] = {
      {DeviceType::phone, {428, 926}, 0},   {DeviceType::phone, {420, 920}, 0}, {DeviceType::phone, {418, 926}, -2},
      {DeviceType::phone, {390, 844}, -2},  {DeviceType::phone, {926, 428}, -2}, {DeviceType::pad, {1024, 1366}, 4},
      {DeviceType::mac, {1024, 1366}, 0},
  };
  for (const auto& row : rows) {
    const StandardKeyboardAppearance appearance(makeContext(Device{.type = row.type, .screen = row.screen}));
    const auto insets = appearance.keyboardEdgeInsets();
    EXPECT_EQ(insets.bottom, row.bottom) << row.screen.width << "x" << row.screen.height;
    EXPECT_EQ(insets.top, 0);
    EXPECT_EQ(insets.leading, 0);
    EXPECT_EQ(insets.trailing, 0);
  }
}

// Overrides single parts, as product appearances do.
class RoundlessAppearance : public StandardKeyboardAppearance {
 public:
  using StandardKeyboardAppearance::StandardKeyboardAppearance;
  KeyboardButtonStyle buttonStyle(const KeyboardAction& action, bool isPressed) const override {
    auto style = StandardKeyboardAppearance::buttonStyle(action, isPressed);
    style.setCornerRadius(std::nullopt);
    return style;
  }
  std::optional<std::string> buttonText(const KeyboardAction&) const override { return std::nullopt; }
};

class SharpAppearance : public StandardKeyboardAppearance {
 public:
  using StandardKeyboardAppearance::StandardKeyboardAppearance;
  double buttonCornerRadius(const KeyboardAction&) const override { return 1.5; }
};

TEST(StandardKeyboardAppearance, CalloutStylesTakeTheKeyRadius) {
  const RoundlessAppearance roundless(makeContext(phoneLight));
  EXPECT_EQ(roundless.calloutStyle().buttonCornerRadius, 5);
  const SharpAppearance sharp(makeContext(phoneLight));
  EXPECT_EQ(sharp.calloutStyle().buttonCornerRadius, 1.5);
  EXPECT_EQ(sharp.actionCalloutStyle().callout, sharp.calloutStyle());
  EXPECT_EQ(sharp.inputCalloutStyle().callout, sharp.calloutStyle());
  EXPECT_EQ(sharp.inputCalloutStyle().font, KeyboardInputCalloutStyle::standard().font);
  EXPECT_EQ(sharp.actionCalloutStyle().verticalTextPadding, 6);
  EXPECT_EQ(sharp.buttonStyle(KeyboardAction::space(), false).cornerRadius(), 1.5);
}

TEST(StandardKeyboardAppearance, InputActionWithoutTextIsNotALowercaseLetter) {
  const RoundlessAppearance appearance(makeContext(phoneLight));
  EXPECT_EQ(appearance.buttonFontSize(KeyboardAction::character("a")), 23);
  // The weight looks at the character itself, not the text.
  EXPECT_EQ(appearance.buttonFontWeight(KeyboardAction::character("a")), W::light);
}

TEST(StandardKeyboardAppearance, StaticStylesAreReadAtEachCall) {
  const StandardKeyboardAppearance appearance(makeContext(phoneLight));
  EXPECT_EQ(appearance.backgroundStyle(), KeyboardBackgroundStyle());
  KeyboardBackgroundStyle::standard() = KeyboardBackgroundStyle::color(Color::red());
  EXPECT_EQ(appearance.backgroundStyle(), KeyboardBackgroundStyle::color(Color::red()));
  AutocompleteToolbarStyle::standard().height = std::nullopt;
  EXPECT_EQ(appearance.autocompleteToolbarStyle().height, std::nullopt);
  EXPECT_EQ(appearance.foregroundColor(), std::nullopt);
}

}  // namespace
}  // namespace keyloom
