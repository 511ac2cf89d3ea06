#pragma once

#include <memory>
#include <optional>
#include <string>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/state/KeyboardType.h"

namespace keyloom {

class KeyboardContext;

// The system keyboard's look, computed from the keyboard context at every
// call (nothing is cached): character keys in the button colour, system keys
// in the darker one, a blue return key, larger light lowercase letters.
//
// Subclasses override single parts; the composite answers (buttonStyle,
// buttonFont, buttonFontSize, buttonCornerRadius and the callout styles)
// call the parts virtually, so an overridden part changes them too.
class StandardKeyboardAppearance : public KeyboardAppearance {
 public:
  using Color = platform::ui::Color;

  explicit StandardKeyboardAppearance(std::shared_ptr<KeyboardContext> keyboardContext);

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }

  // The current KeyboardBackgroundStyle::standard().
  KeyboardBackgroundStyle backgroundStyle() const override;
  // None.
  std::optional<Color> foregroundColor() const override;
  // Only the bottom inset is set: pad 4; a phone with the largest portrait
  // screen 0, other phones -2; other devices 0.
  platform::EdgeInsets keyboardEdgeInsets() const override;
  virtual KeyboardLayoutConfiguration keyboardLayoutConfiguration() const;
  std::optional<KeyboardImage> buttonImage(const KeyboardAction& action) const override;
  // 1.2 on a pad, else 1.
  double buttonImageScaleFactor(const KeyboardAction& action) const override;
  // Background, foreground, font, radius, border and shadow from the parts
  // below; no pressed overlay colour.
  KeyboardButtonStyle buttonStyle(const KeyboardAction& action, bool isPressed) const override;
  // The key's caption; an empty one, as a locale without texts of its own
  // gives, becomes the English caption.
  std::optional<std::string> buttonText(const KeyboardAction& action) const override;
  // The standard callout with the corner radius of a character key.
  virtual KeyboardCalloutStyle calloutStyle() const;
  KeyboardActionCalloutStyle actionCalloutStyle() const override;
  KeyboardInputCalloutStyle inputCalloutStyle() const override;
  // Always the current AutocompleteToolbarStyle::standard().
  AutocompleteToolbarStyle autocompleteToolbarStyle() const final;

  virtual Color buttonBackgroundColor(const KeyboardAction& action, bool isPressed) const;
  virtual KeyboardButtonBorderStyle buttonBorderStyle(const KeyboardAction& action) const;
  virtual double buttonCornerRadius(const KeyboardAction& action) const;
  virtual KeyboardFont buttonFont(const KeyboardAction& action) const;
  virtual double buttonFontSize(const KeyboardAction& action) const;
  virtual double buttonFontSize(const KeyboardType& keyboardType) const;
  virtual std::optional<KeyboardFontWeight> buttonFontWeight(const KeyboardAction& action) const;
  virtual Color buttonForegroundColor(const KeyboardAction& action, bool isPressed) const;
  virtual KeyboardButtonShadowStyle buttonShadowStyle(const KeyboardAction& action) const;

 protected:
  // Keyboard-type keys on a pad in landscape; absent otherwise. Not a part
  // subclasses replace: buttonFontSize calls it directly.
  std::optional<double> buttonFontSizePadOverride(const KeyboardAction& action) const;

 private:
  Color pressedBackgroundColor(const KeyboardAction& action) const;

  std::shared_ptr<KeyboardContext> keyboardContext_;
};

}  // namespace keyloom
