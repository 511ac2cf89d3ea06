#pragma once

#include <memory>

#include "keyloom/appearance/StandardKeyboardAppearance.h"

namespace keyloom {

// The standard appearance with loud callouts (red bubbles, green shadows),
// so callouts stand out in a preview.
class PreviewKeyboardAppearance : public StandardKeyboardAppearance {
 public:
  // Bound to a new KeyboardContext::preview().
  PreviewKeyboardAppearance();

  // A new appearance on a new preview context on every call.
  static std::shared_ptr<PreviewKeyboardAppearance> preview();

  KeyboardInputCalloutStyle inputCalloutStyle() const override;
  KeyboardActionCalloutStyle actionCalloutStyle() const override;
};

// The preview appearance with a yellow key style and a purple pressed one
// for every key alike, to see where key styles are applied.
class CrazyPreviewKeyboardAppearance : public PreviewKeyboardAppearance {
 public:
  KeyboardButtonStyle buttonStyle(const KeyboardAction& action, bool isPressed) const override;

  // Released keys: KeyboardButtonStyle::preview1(); pressed keys: preview2().
  static const KeyboardButtonStyle& crazyButtonStyle();
  static const KeyboardButtonStyle& crazyPressedButtonStyle();
};

}  // namespace keyloom
