#pragma once

#include <memory>

#include "keyloom/appearance/StandardKeyboardAppearance.h"

namespace zandorelle {

// The standard look painted in the selected theme (KeyboardSelection's theme
// index, read at every call so a newly read theme shows at the next rendering).
// Without a theme every answer is the standard one.
class MyKeyboardAppearance : public keyloom::StandardKeyboardAppearance {
 public:
  using StandardKeyboardAppearance::StandardKeyboardAppearance;

  // The theme's c0, c1, c2 as the background gradient.
  keyloom::KeyboardBackgroundStyle backgroundStyle() const override;
  // The theme's text colour that reads best on that gradient, for what is
  // drawn on it rather than on a key (the emoji keyboard's labels).
  std::optional<platform::ui::Color> foregroundColor() const override;
  // Input keys c3 on c5, other keys c4 on c6, pressed or not; every other
  // field as the standard style has it.
  keyloom::KeyboardButtonStyle buttonStyle(const keyloom::KeyboardAction& action,
                                           bool isPressed) const override;
  // The callout bubble in c3 with c5 text.
  keyloom::KeyboardInputCalloutStyle inputCalloutStyle() const override;
};

}  // namespace zandorelle
