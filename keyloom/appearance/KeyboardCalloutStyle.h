#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"

namespace keyloom {

// The look both callouts share: the bubble, the key-shaped foot under it, the
// curve joining them, the shadow and the text colour.
struct KeyboardCalloutStyle {
  platform::ui::Color backgroundColor;  // bubble and foot
  platform::ui::Color borderColor;
  double buttonCornerRadius = 0;        // the foot's corners
  platform::Size buttonInset;           // the foot against the pressed key's frame
  double cornerRadius = 0;              // the bubble's corners
  platform::Size curveSize;             // the curve between bubble and foot
  platform::ui::Color shadowColor;
  double shadowRadius = 0;
  platform::ui::Color textColor;

  // The bubble in the library's button colour; settable, made on first read.
  static KeyboardCalloutStyle& standard();
  // A loud style for previews.
  static KeyboardCalloutStyle& previewStyle();

  bool operator==(const KeyboardCalloutStyle&) const = default;
};

// Every field under its name, every key required; sizes as [width, height].
void encodeValue(platform::Encoder& encoder, const KeyboardCalloutStyle& style);
KeyboardCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardCalloutStyle>);

}  // namespace keyloom
