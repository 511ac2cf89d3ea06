#pragma once

#include <optional>
#include <type_traits>

#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "keyloom/state/DeviceType.h"
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
  // The standard preset as a keyboard on `device` draws it. The preset
  // settles its offset for the device the process has at its first read; as
  // long as it keeps that offset, a keyboard on another device gets its own
  // device's offset instead. An offset assigned since applies everywhere.
  static KeyboardActionCalloutStyle standard(DeviceType device);
  // The offset a style made without one gets on `device`.
  static double standardVerticalOffset(DeviceType device);

  bool operator==(const KeyboardActionCalloutStyle&) const = default;
};

// Every field under its name, every key required (the initialiser's
// substitutes do not apply to reading).
void encodeValue(platform::Encoder& encoder, const KeyboardActionCalloutStyle& style);
KeyboardActionCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardActionCalloutStyle>);

}  // namespace keyloom
