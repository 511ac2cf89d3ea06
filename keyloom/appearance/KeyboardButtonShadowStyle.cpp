#include "keyloom/appearance/KeyboardButtonShadowStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/appearance/Preset.h"

namespace keyloom {

using platform::ui::Color;

KeyboardButtonShadowStyle KeyboardButtonShadowStyle::noShadow() { return {Color::clear(), 1}; }

KeyboardButtonShadowStyle& KeyboardButtonShadowStyle::standard() {
  static Preset<KeyboardButtonShadowStyle> preset(
      [] { return KeyboardButtonShadowStyle(KeyboardColorReader::standardButtonShadow(), 1); });
  return preset.get();
}

void encodeValue(platform::Encoder& encoder, const KeyboardButtonShadowStyle& style) {
  auto container = encoder.container();
  container.encode("color", style.color);
  container.encode("size", style.size);
}

KeyboardButtonShadowStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonShadowStyle>) {
  auto container = decoder.container();
  auto color = container.decode<Color>("color");
  return {color, container.decode<double>("size")};
}

}  // namespace keyloom
