#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"

namespace keyloom {

// A key's shadow: colour and size together.
struct KeyboardButtonShadowStyle {
  platform::ui::Color color;
  double size = 0;

  KeyboardButtonShadowStyle(platform::ui::Color color, double size) : color(color), size(size) {}

  // Clear, 1; a new value at each call.
  static KeyboardButtonShadowStyle noShadow();
  // The library's standardButtonShadow colour (looked up when first read), 1; settable.
  static KeyboardButtonShadowStyle& standard();

  bool operator==(const KeyboardButtonShadowStyle&) const = default;
};

// {"color", "size"}, both required.
void encodeValue(platform::Encoder& encoder, const KeyboardButtonShadowStyle& style);
KeyboardButtonShadowStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonShadowStyle>);

}  // namespace keyloom
