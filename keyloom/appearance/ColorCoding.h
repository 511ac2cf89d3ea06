#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"

// The one coded form of a colour in every style: {"red", "green", "blue",
// "alpha"}, numbers written as they are (not clamped). An adaptive colour is
// written with its light-scheme components, as the platform reports a colour
// outside any drawing. Reading makes a plain sRGB colour; other keys are
// ignored. Declared in the colour's namespace so the coders find it.
namespace platform::ui {

void encodeValue(platform::Encoder& encoder, const Color& color);
Color decodeValue(platform::Decoder& decoder, std::type_identity<Color>);

}  // namespace platform::ui
