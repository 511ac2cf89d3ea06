#pragma once

#include <optional>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"

namespace keyloom {

// Colours and fonts of the keyboard-enabled label's four parts. An absent
// colour or font leaves the inherited one.
struct KeyboardEnabledLabelStyle {
  struct ComponentStyle {
    std::optional<platform::ui::Color> color;
    std::optional<platform::ui::Font> font;

    bool operator==(const ComponentStyle&) const = default;
  };

  ComponentStyle enabledIcon;
  ComponentStyle enabledText;
  ComponentStyle disabledIcon;
  ComponentStyle disabledText;

  bool operator==(const KeyboardEnabledLabelStyle&) const = default;

  // Settable; made on first use with a green enabled icon and an orange
  // disabled icon, everything else inherited.
  static KeyboardEnabledLabelStyle& standard();
};

}  // namespace keyloom
