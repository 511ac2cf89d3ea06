#pragma once

#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Path.h"
#include "platform/ui/View.h"

namespace keyloom {

// A key's drop shadow: the key's rounded rectangle moved down by the shadow
// size and masked so that it shows only outside the key, as a band under the
// bottom edge. A translucent key therefore never shows its shadow through.
struct SystemKeyboardButtonShadow {
  KeyboardButtonStyle style;

  explicit SystemKeyboardButtonShadow(KeyboardButtonStyle style) : style(std::move(style)) {}

  // Clear unless the style has both a shadow size and colour.
  platform::ui::Color shadowColor() const;
  // 0 unless the style has both a shadow size and colour.
  double shadowSize() const;
  double shadowCornerRadius() const;

  // The mask for a key in `rect`: the rectangle grown by `shadowSize` on every
  // side plus the key's rounded rectangle, to be filled even-odd.
  static platform::ui::Path maskPath(platform::Rect rect, double shadowSize, double cornerRadius);

  bool operator==(const SystemKeyboardButtonShadow&) const = default;

  platform::ui::View body() const;
};

}  // namespace keyloom
