#include "keyloom/appearance/KeyboardButtonBorderStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/Preset.h"

namespace keyloom {

using platform::ui::Color;

KeyboardButtonBorderStyle& KeyboardButtonBorderStyle::noBorder() {
  static Preset<KeyboardButtonBorderStyle> preset([] { return KeyboardButtonBorderStyle(Color::clear(), 0); });
  return preset.get();
}

KeyboardButtonBorderStyle& KeyboardButtonBorderStyle::standard() {
  static Preset<KeyboardButtonBorderStyle> preset([] { return KeyboardButtonBorderStyle(Color::clear(), 0); });
  return preset.get();
}

void encodeValue(platform::Encoder& encoder, const KeyboardButtonBorderStyle& style) {
  auto container = encoder.container();
  container.encode("color", style.color);
  container.encode("size", style.size);
}

KeyboardButtonBorderStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonBorderStyle>) {
  auto container = decoder.container();
  auto color = container.decode<Color>("color");
  return {color, container.decode<double>("size")};
}

}  // namespace keyloom
