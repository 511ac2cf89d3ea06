#pragma once

#include <optional>
#include <string>

#include "keyloom/appearance/AutocompleteToolbarStyle.h"
#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/appearance/KeyboardBackgroundStyle.h"
#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "keyloom/appearance/KeyboardInputCalloutStyle.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardImage.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"

namespace keyloom {

// Answers every visual question the keyboard's views ask: how the background,
// each key, the callouts and the suggestion bar look. Asked at every redraw;
// main thread only.
class KeyboardAppearance {
 public:
  virtual ~KeyboardAppearance() = default;

  virtual KeyboardBackgroundStyle backgroundStyle() const = 0;
  // A colour for the whole keyboard, if any.
  virtual std::optional<platform::ui::Color> foregroundColor() const = 0;
  virtual platform::EdgeInsets keyboardEdgeInsets() const = 0;
  virtual std::optional<KeyboardImage> buttonImage(const KeyboardAction& action) const = 0;
  virtual double buttonImageScaleFactor(const KeyboardAction& action) const = 0;
  virtual KeyboardButtonStyle buttonStyle(const KeyboardAction& action, bool isPressed) const = 0;
  virtual std::optional<std::string> buttonText(const KeyboardAction& action) const = 0;
  virtual KeyboardActionCalloutStyle actionCalloutStyle() const = 0;
  virtual KeyboardInputCalloutStyle inputCalloutStyle() const = 0;
  virtual AutocompleteToolbarStyle autocompleteToolbarStyle() const = 0;
};

}  // namespace keyloom
