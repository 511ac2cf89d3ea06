#pragma once

#include <type_traits>

#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

// The look of the input callout (the enlarged character above a pressed key).
struct KeyboardInputCalloutStyle {
  KeyboardCalloutStyle callout;
  double calloutPadding = 0;
  platform::Size calloutSize;
  KeyboardFont font;

  // Settable, made on first read with a copy of KeyboardCalloutStyle::standard() as it is then.
  static KeyboardInputCalloutStyle& standard();

  bool operator==(const KeyboardInputCalloutStyle&) const = default;
};

// Every field under its name, every key required.
void encodeValue(platform::Encoder& encoder, const KeyboardInputCalloutStyle& style);
KeyboardInputCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardInputCalloutStyle>);

}  // namespace keyloom
