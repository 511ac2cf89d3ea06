#include "keyloom/appearance/KeyboardButtonStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/appearance/Preset.h"

namespace keyloom {

using platform::ui::Color;

KeyboardButtonStyle::KeyboardButtonStyle(std::optional<Color> backgroundColor, std::optional<Color> foregroundColor,
                                         std::optional<KeyboardFont> font, std::optional<double> cornerRadius,
                                         std::optional<KeyboardButtonBorderStyle> border,
                                         std::optional<KeyboardButtonShadowStyle> shadow,
                                         std::optional<Color> pressedOverlayColor)
    : backgroundColor_(std::move(backgroundColor)),
      foregroundColor_(std::move(foregroundColor)),
      font_(std::move(font)),
      cornerRadius_(cornerRadius),
      pressedOverlayColor_(std::move(pressedOverlayColor)) {
  if (border) {
    borderColor_ = border->color;
    borderSize_ = border->size;
  }
  if (shadow) {
    shadowColor_ = shadow->color;
    shadowSize_ = shadow->size;
  }
}

const KeyboardButtonStyle& KeyboardButtonStyle::spacer() {
  static Preset<KeyboardButtonStyle> preset([] {
    return KeyboardButtonStyle(Color::clear(), Color::clear(), KeyboardFont::body(), 0,
                               KeyboardButtonBorderStyle::noBorder(), KeyboardButtonShadowStyle(Color::clear(), 1),
                               std::nullopt);
  });
  return preset.get();
}

KeyboardButtonStyle KeyboardButtonStyle::preview1() {
  return {Color::yellow(), Color::white(), KeyboardFont::body(), 20, KeyboardButtonBorderStyle(Color::red(), 3),
          KeyboardButtonShadowStyle(Color::blue(), 4), std::nullopt};
}

KeyboardButtonStyle KeyboardButtonStyle::preview2() {
  return {Color::rgba(0.5, 0, 0.5), Color::yellow(), KeyboardFont::headline(), 10,
          KeyboardButtonBorderStyle(Color::blue(), 5), KeyboardButtonShadowStyle(Color::green(), 8), std::nullopt};
}

void KeyboardButtonStyle::setBorderColor(std::optional<Color> color) {
  borderColor_ = std::move(color);
  if (borderColor_ && !borderSize_) borderSize_ = 1;
}

void KeyboardButtonStyle::setBorderSize(std::optional<double> size) {
  borderSize_ = size;
  if (borderSize_ && !borderColor_) borderColor_ = Color::black();
}

void KeyboardButtonStyle::setShadowColor(std::optional<Color> color) {
  shadowColor_ = std::move(color);
  if (shadowColor_ && !shadowSize_) shadowSize_ = 1;
}

void KeyboardButtonStyle::setShadowSize(std::optional<double> size) {
  shadowSize_ = size;
  if (shadowSize_ && !shadowColor_) shadowColor_ = KeyboardColorReader::standardButtonShadow();
}

std::optional<KeyboardButtonBorderStyle> KeyboardButtonStyle::border() const {
  if (!borderColor_ || !borderSize_) return std::nullopt;
  return KeyboardButtonBorderStyle(*borderColor_, *borderSize_);
}

std::optional<KeyboardButtonShadowStyle> KeyboardButtonStyle::shadow() const {
  if (!shadowColor_ || !shadowSize_) return std::nullopt;
  return KeyboardButtonShadowStyle(*shadowColor_, *shadowSize_);
}

void KeyboardButtonStyle::setBorder(std::optional<KeyboardButtonBorderStyle> border) {
  borderColor_ = border ? std::optional<Color>(border->color) : std::nullopt;
  borderSize_ = border ? std::optional<double>(border->size) : std::nullopt;
}

void KeyboardButtonStyle::setShadow(std::optional<KeyboardButtonShadowStyle> shadow) {
  shadowColor_ = shadow ? std::optional<Color>(shadow->color) : std::nullopt;
  shadowSize_ = shadow ? std::optional<double>(shadow->size) : std::nullopt;
}

KeyboardButtonStyle KeyboardButtonStyle::extended(const KeyboardButtonStyle& other) const {
  KeyboardButtonStyle result = *this;
  if (other.backgroundColor_) result.backgroundColor_ = other.backgroundColor_;
  if (other.foregroundColor_) result.foregroundColor_ = other.foregroundColor_;
  if (other.font_) result.font_ = other.font_;
  if (other.cornerRadius_) result.cornerRadius_ = other.cornerRadius_;
  // Only whole pairs carry over.
  result.setBorder(other.border() ? other.border() : border());
  result.setShadow(other.shadow() ? other.shadow() : shadow());
  return result;
}

void encodeValue(platform::Encoder& encoder, const KeyboardButtonStyle& style) {
  auto container = encoder.container();
  container.encodeIfPresent("backgroundColor", style.backgroundColor());
  container.encodeIfPresent("foregroundColor", style.foregroundColor());
  container.encodeIfPresent("font", style.font());
  container.encodeIfPresent("cornerRadius", style.cornerRadius());
  container.encodeIfPresent("borderColor", style.borderColor());
  container.encodeIfPresent("borderSize", style.borderSize());
  container.encodeIfPresent("shadowColor", style.shadowColor());
  container.encodeIfPresent("shadowSize", style.shadowSize());
  container.encodeIfPresent("pressedOverlayColor", style.pressedOverlayColor());
}

KeyboardButtonStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonStyle>) {
  auto container = decoder.container();
  KeyboardButtonStyle style;
  style.backgroundColor_ = container.decodeIfPresent<Color>("backgroundColor");
  style.foregroundColor_ = container.decodeIfPresent<Color>("foregroundColor");
  style.font_ = container.decodeIfPresent<KeyboardFont>("font");
  style.cornerRadius_ = container.decodeIfPresent<double>("cornerRadius");
  style.borderColor_ = container.decodeIfPresent<Color>("borderColor");
  style.borderSize_ = container.decodeIfPresent<double>("borderSize");
  style.shadowColor_ = container.decodeIfPresent<Color>("shadowColor");
  style.shadowSize_ = container.decodeIfPresent<double>("shadowSize");
  style.pressedOverlayColor_ = container.decodeIfPresent<Color>("pressedOverlayColor");
  return style;
}

}  // namespace keyloom
