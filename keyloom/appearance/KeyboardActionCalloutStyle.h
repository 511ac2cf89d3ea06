#pragma once

#include <optional>
#include <type_traits>

#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"

namespace keyloom {

// The look of the secondary-action callout (the row of alternatives shown on
// a long press).
struct KeyboardActionCalloutStyle {
  KeyboardCalloutStyle callout;
  KeyboardFont font;
  platform::Size maxButtonSize;
  platform::ui::Color selectedBackgroundColor;
  platform::ui::Color selectedForegroundColor;
  double verticalOffset = 0;
  double verticalTextPadding = 0;

  // Absent selection colours become blue and white; an absent offset becomes
  // 20 on a pad and 0 elsewhere, asking the device now.
  KeyboardActionCalloutStyle(KeyboardCalloutStyle callout, KeyboardFont font, platform::Size maxButtonSize,
                             std::optional<platform::ui::Color> selectedBackgroundColor,
                             std::optional<platform::ui::Color> selectedForegroundColor,
                             std::optional<double> verticalOffset, double verticalTextPadding);

  // Settable, made on first read with a copy of KeyboardCalloutStyle::standard() as it is then.
  static KeyboardActionCalloutStyle& standard();

  bool operator==(const KeyboardActionCalloutStyle&) const = default;
};

// Every field under its name, every key required (the initialiser's
// substitutes do not apply to reading).
void encodeValue(platform::Encoder& encoder, const KeyboardActionCalloutStyle& style);
KeyboardActionCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardActionCalloutStyle>);

}  // namespace keyloom
