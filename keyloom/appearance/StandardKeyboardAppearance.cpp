#include "keyloom/appearance/StandardKeyboardAppearance.h"

#include <algorithm>
#include <cmath>

#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/state/KeyboardActionCaptions.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace ka = keyboard_action;
using Colors = KeyboardColorReader;
using platform::ui::Color;

namespace {

// A lowercase letter: its own lowercase form, and not its uppercase form.
bool isLowercasedText(const std::string& text) {
  // ASCII text (most keys) needs no case mapping: no capital, some small letter.
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) &&
           std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  }
  return text == platform::text::lowercased(text) && text != platform::text::uppercased(text);
}

// Drawn without a frame of their own: emoji cells and gaps.
bool isFrameless(const KeyboardAction& action) {
  return action.is<ka::Emoji>() || action.is<ka::EmojiCategory>() || action.is<ka::None>();
}

}  // namespace

StandardKeyboardAppearance::StandardKeyboardAppearance(std::shared_ptr<KeyboardContext> keyboardContext)
    : keyboardContext_(std::move(keyboardContext)) {}

KeyboardBackgroundStyle StandardKeyboardAppearance::backgroundStyle() const {
  return KeyboardBackgroundStyle::standard();
}

std::optional<Color> StandardKeyboardAppearance::foregroundColor() const { return std::nullopt; }

platform::EdgeInsets StandardKeyboardAppearance::keyboardEdgeInsets() const {
  double bottom = 0;
  switch (keyboardContext_->deviceType.get()) {
    case DeviceType::pad:
      bottom = 4;
      break;
    case DeviceType::phone: {
      // Only the largest phone in portrait sits flush with the bottom edge.
      const platform::Size size = keyboardContext_->screenSize.get();
      const bool isProMaxPortrait = std::abs(size.width - 428) < 10 && std::abs(size.height - 926) < 10;
      bottom = isProMaxPortrait ? 0 : -2;
      break;
    }
    default:
      break;
  }
  return platform::EdgeInsets(0, 0, bottom, 0);
}

KeyboardLayoutConfiguration StandardKeyboardAppearance::keyboardLayoutConfiguration() const {
  return KeyboardLayoutConfiguration::standard(*keyboardContext_);
}

std::optional<KeyboardImage> StandardKeyboardAppearance::buttonImage(const KeyboardAction& action) const {
  return standardButtonImage(action, *keyboardContext_);
}

double StandardKeyboardAppearance::buttonImageScaleFactor(const KeyboardAction&) const {
  return keyboardContext_->deviceType.get() == DeviceType::pad ? 1.2 : 1.0;
}

KeyboardButtonStyle StandardKeyboardAppearance::buttonStyle(const KeyboardAction& action, bool isPressed) const {
  auto background = buttonBackgroundColor(action, isPressed);
  auto foreground = buttonForegroundColor(action, isPressed);
  auto font = buttonFont(action);
  const double radius = buttonCornerRadius(action);
  auto border = buttonBorderStyle(action);
  auto shadow = buttonShadowStyle(action);
  return KeyboardButtonStyle(background, foreground, font, radius, border, shadow, std::nullopt);
}

std::optional<std::string> StandardKeyboardAppearance::buttonText(const KeyboardAction& action) const {
  std::optional<std::string> text = standardButtonText(action, *keyboardContext_);
  // Most locales have no texts of their own in the library bundle; their keys
  // show the English caption rather than none.
  if (text && text->empty()) return standardButtonText(action, platform::Locale("en"));
  return text;
}

KeyboardCalloutStyle StandardKeyboardAppearance::calloutStyle() const {
  KeyboardCalloutStyle style = KeyboardCalloutStyle::standard();
  style.buttonCornerRadius = buttonStyle(KeyboardAction::character(""), false).cornerRadius().value_or(5);
  return style;
}

KeyboardActionCalloutStyle StandardKeyboardAppearance::actionCalloutStyle() const {
  KeyboardActionCalloutStyle style = KeyboardActionCalloutStyle::standard(keyboardContext_->deviceType.get());
  style.callout = calloutStyle();
  return style;
}

KeyboardInputCalloutStyle StandardKeyboardAppearance::inputCalloutStyle() const {
  KeyboardInputCalloutStyle style = KeyboardInputCalloutStyle::standard();
  style.callout = calloutStyle();
  return style;
}

AutocompleteToolbarStyle StandardKeyboardAppearance::autocompleteToolbarStyle() const {
  return AutocompleteToolbarStyle::standard();
}

Color StandardKeyboardAppearance::pressedBackgroundColor(const KeyboardAction& action) const {
  const bool dark = keyboardContext_->hasDarkColorScheme();
  if (action.isSystemAction()) return dark ? Colors::standardButtonBackground(*keyboardContext_) : Color::white();
  if (action.is<ka::Primary>()) return dark ? Colors::standardDarkButtonBackground(*keyboardContext_) : Color::white();
  return Colors::standardDarkButtonBackground(*keyboardContext_);
}

Color StandardKeyboardAppearance::buttonBackgroundColor(const KeyboardAction& action, bool isPressed) const {
  const auto base = [&]() -> Color {
    if (action.is<ka::CharacterMargin>() || action.is<ka::Emoji>() || action.is<ka::EmojiCategory>()) {
      return Colors::clearInteractable();
    }
    if (action.is<ka::None>()) return Color::clear();
    if (isPressed || action.isUppercasedShiftAction()) return pressedBackgroundColor(action);
    if (action.isSystemAction()) return Colors::standardDarkButtonBackground(*keyboardContext_);
    if (action.is<ka::Primary>()) return Color::blue();
    return Colors::standardButtonBackground(*keyboardContext_);
  }();
  const bool opaque = keyboardContext_->hasDarkColorScheme() || isPressed;
  return base.opacity(opaque ? 1.0 : 0.95);
}

KeyboardButtonBorderStyle StandardKeyboardAppearance::buttonBorderStyle(const KeyboardAction& action) const {
  return isFrameless(action) ? KeyboardButtonBorderStyle::noBorder() : KeyboardButtonBorderStyle::standard();
}

double StandardKeyboardAppearance::buttonCornerRadius(const KeyboardAction&) const {
  return keyboardLayoutConfiguration().buttonCornerRadius;
}

KeyboardFont StandardKeyboardAppearance::buttonFont(const KeyboardAction& action) const {
  return KeyboardFont::system(buttonFontSize(action), buttonFontWeight(action));
}

double StandardKeyboardAppearance::buttonFontSize(const KeyboardAction& action) const {
  if (auto size = buttonFontSizePadOverride(action)) return *size;
  if (buttonImage(action)) return 20;
  if (action.is<ka::Space>()) return 16;
  if (const auto* keyboardType = action.get<ka::KeyboardType>()) return buttonFontSize(keyboardType->type);
  if (action.isInputAction() && isLowercasedText(buttonText(action).value_or(""))) return 26;
  if (action.isSystemAction()) return 16;
  if (action.is<ka::Primary>()) return 16;
  return 23;
}

double StandardKeyboardAppearance::buttonFontSize(const KeyboardType& keyboardType) const {
  if (keyboardType.isAlphabetic()) return 15;
  if (keyboardType.is<keyboard_type::Numeric>()) return 16;
  return 14;
}

std::optional<double> StandardKeyboardAppearance::buttonFontSizePadOverride(const KeyboardAction& action) const {
  if (keyboardContext_->deviceType.get() != DeviceType::pad) return std::nullopt;
  if (!isLandscape(keyboardContext_->interfaceOrientation.get())) return std::nullopt;
  const auto* keyboardType = action.get<ka::KeyboardType>();
  if (!keyboardType) return std::nullopt;
  if (keyboardType->type.isAlphabetic()) return 22;
  if (keyboardType->type.is<keyboard_type::Numeric>()) return 22;
  if (keyboardType->type.is<keyboard_type::Symbolic>()) return 20;
  return std::nullopt;
}

std::optional<KeyboardFontWeight> StandardKeyboardAppearance::buttonFontWeight(const KeyboardAction& action) const {
  // Georgian letters read better at the regular weight.
  if (keyboardContext_->keyboardType.get().isAlphabetic() && keyboardContext_->locale.get() == platform::Locale("ka")) {
    return KeyboardFontWeight::regular;
  }
  if (action.is<ka::Backspace>()) return KeyboardFontWeight::regular;
  if (const auto* character = action.get<ka::Character>()) {
    return isLowercasedText(character->text) ? std::optional(KeyboardFontWeight::light) : std::nullopt;
  }
  return buttonImage(action) ? std::optional(KeyboardFontWeight::light) : std::nullopt;
}

Color StandardKeyboardAppearance::buttonForegroundColor(const KeyboardAction& action, bool isPressed) const {
  if (action.is<ka::CharacterMargin>()) return Colors::clearInteractable();
  if (action.is<ka::None>()) return Color::clear();
  if (action.isSystemAction()) return Colors::standardButtonForeground(*keyboardContext_);
  if (action.is<ka::Primary>()) {
    if (!isPressed || keyboardContext_->hasDarkColorScheme()) return Color::white();
    return Colors::standardButtonForeground(*keyboardContext_);
  }
  return Colors::standardButtonForeground(*keyboardContext_);
}

KeyboardButtonShadowStyle StandardKeyboardAppearance::buttonShadowStyle(const KeyboardAction& action) const {
  if (isFrameless(action) || action.is<ka::CharacterMargin>()) return KeyboardButtonShadowStyle::noShadow();
  return KeyboardButtonShadowStyle::standard();
}

}  // namespace keyloom
