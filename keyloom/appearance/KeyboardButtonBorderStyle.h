#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"

namespace keyloom {

// A key's border: colour and width together.
struct KeyboardButtonBorderStyle {
  platform::ui::Color color;
  double size = 0;

  KeyboardButtonBorderStyle(platform::ui::Color color, double size) : color(color), size(size) {}

  // Clear, 0; settable, made on first read.
  static KeyboardButtonBorderStyle& noBorder();
  // Clear, 0; settable, made on first read.
  static KeyboardButtonBorderStyle& standard();

  bool operator==(const KeyboardButtonBorderStyle&) const = default;
};

// {"color", "size"}, both required.
void encodeValue(platform::Encoder& encoder, const KeyboardButtonBorderStyle& style);
KeyboardButtonBorderStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonBorderStyle>);

}  // namespace keyloom
