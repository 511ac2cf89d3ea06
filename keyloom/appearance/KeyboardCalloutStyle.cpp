#include "keyloom/appearance/KeyboardCalloutStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/appearance/Preset.h"
#include "keyloom/appearance/SizeCoding.h"

namespace keyloom {

using platform::Size;
using platform::ui::Color;

KeyboardCalloutStyle& KeyboardCalloutStyle::standard() {
  static Preset<KeyboardCalloutStyle> preset([] {
    return KeyboardCalloutStyle{.backgroundColor = KeyboardColorReader::standardButtonBackground(),
                                .borderColor = Color::black().opacity(0.5),
                                .buttonCornerRadius = 5,
                                .buttonInset = Size{0, 0},
                                .cornerRadius = 10,
                                .curveSize = Size{8, 15},
                                .shadowColor = Color::black().opacity(0.1),
                                .shadowRadius = 5,
                                .textColor = Color::primary()};
  });
  return preset.get();
}

KeyboardCalloutStyle& KeyboardCalloutStyle::previewStyle() {
  static Preset<KeyboardCalloutStyle> preset([] {
    return KeyboardCalloutStyle{.backgroundColor = Color::red(),
                                .borderColor = Color::white(),
                                .buttonCornerRadius = 10,
                                .buttonInset = Size{0, 0},
                                .cornerRadius = 10,
                                .curveSize = Size{8, 15},
                                .shadowColor = Color::green(),
                                .shadowRadius = 3,
                                .textColor = Color::black()};
  });
  return preset.get();
}

void encodeValue(platform::Encoder& encoder, const KeyboardCalloutStyle& style) {
  auto container = encoder.container();
  container.encode("backgroundColor", style.backgroundColor);
  container.encode("borderColor", style.borderColor);
  container.encode("buttonCornerRadius", style.buttonCornerRadius);
  container.encode("buttonInset", CodedSize{style.buttonInset});
  container.encode("cornerRadius", style.cornerRadius);
  container.encode("curveSize", CodedSize{style.curveSize});
  container.encode("shadowColor", style.shadowColor);
  container.encode("shadowRadius", style.shadowRadius);
  container.encode("textColor", style.textColor);
}

KeyboardCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardCalloutStyle>) {
  auto container = decoder.container();
  KeyboardCalloutStyle style;
  style.backgroundColor = container.decode<Color>("backgroundColor");
  style.borderColor = container.decode<Color>("borderColor");
  style.buttonCornerRadius = container.decode<double>("buttonCornerRadius");
  style.buttonInset = container.decode<CodedSize>("buttonInset").size;
  style.cornerRadius = container.decode<double>("cornerRadius");
  style.curveSize = container.decode<CodedSize>("curveSize").size;
  style.shadowColor = container.decode<Color>("shadowColor");
  style.shadowRadius = container.decode<double>("shadowRadius");
  style.textColor = container.decode<Color>("textColor");
  return style;
}

}  // namespace keyloom
