#include "keyloom/appearance/ColorCoding.h"

namespace platform::ui {

void encodeValue(platform::Encoder& encoder, const Color& color) {
  const Rgba rgba = color.resolved(ColorScheme::light);
  auto container = encoder.container();
  container.encode("red", rgba.red);
  container.encode("green", rgba.green);
  container.encode("blue", rgba.blue);
  container.encode("alpha", rgba.alpha);
}

Color decodeValue(platform::Decoder& decoder, std::type_identity<Color>) {
  auto container = decoder.container();
  Rgba rgba;
  rgba.red = container.decode<double>("red");
  rgba.green = container.decode<double>("green");
  rgba.blue = container.decode<double>("blue");
  rgba.alpha = container.decode<double>("alpha");
  return Color(rgba);
}

}  // namespace platform::ui
