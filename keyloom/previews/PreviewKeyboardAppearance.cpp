#include "keyloom/previews/PreviewKeyboardAppearance.h"

#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

using platform::ui::Color;

PreviewKeyboardAppearance::PreviewKeyboardAppearance()
    : StandardKeyboardAppearance(KeyboardContext::preview()) {}

std::shared_ptr<PreviewKeyboardAppearance> PreviewKeyboardAppearance::preview() {
  return std::make_shared<PreviewKeyboardAppearance>();
}

KeyboardInputCalloutStyle PreviewKeyboardAppearance::inputCalloutStyle() const {
  return KeyboardInputCalloutStyle{.callout = KeyboardCalloutStyle::previewStyle(),
                                   .calloutPadding = 2,
                                   .calloutSize = platform::Size{0, 40},
                                   .font = KeyboardFont::body(KeyboardFontWeight::regular)};
}

KeyboardActionCalloutStyle PreviewKeyboardAppearance::actionCalloutStyle() const {
  return KeyboardActionCalloutStyle(KeyboardCalloutStyle::previewStyle(), KeyboardFont::headline(),
                                    platform::Size{50, 50}, Color::yellow(), Color::black(), std::nullopt,
                                    10);
}

KeyboardButtonStyle CrazyPreviewKeyboardAppearance::buttonStyle(const KeyboardAction&, bool isPressed) const {
  return isPressed ? crazyPressedButtonStyle() : crazyButtonStyle();
}

const KeyboardButtonStyle& CrazyPreviewKeyboardAppearance::crazyButtonStyle() {
  static const KeyboardButtonStyle style = KeyboardButtonStyle::preview1();
  return style;
}

const KeyboardButtonStyle& CrazyPreviewKeyboardAppearance::crazyPressedButtonStyle() {
  static const KeyboardButtonStyle style = KeyboardButtonStyle::preview2();
  return style;
}

}  // namespace keyloom
