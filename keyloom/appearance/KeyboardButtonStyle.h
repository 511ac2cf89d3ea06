#pragma once

#include <optional>
#include <type_traits>

#include "keyloom/appearance/KeyboardButtonBorderStyle.h"
#include "keyloom/appearance/KeyboardButtonShadowStyle.h"
#include "keyloom/appearance/KeyboardFont.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"

namespace keyloom {

// The complete look of one key in one pressed state. Every field is optional
// so that a partial style can be laid over another (extended).
//
// Border and shadow are pairs: setting one half while the other is absent
// fills the other (a border colour gets size 1, a border size gets black, a
// shadow colour gets size 1, a shadow size gets the standard shadow colour).
// The constructor and decoding store what they are given, half pairs included.
class KeyboardButtonStyle {
 public:
  using Color = platform::ui::Color;

  KeyboardButtonStyle() = default;
  KeyboardButtonStyle(std::optional<Color> backgroundColor, std::optional<Color> foregroundColor,
                      std::optional<KeyboardFont> font, std::optional<double> cornerRadius,
                      std::optional<KeyboardButtonBorderStyle> border,
                      std::optional<KeyboardButtonShadowStyle> shadow,
                      std::optional<Color> pressedOverlayColor);

  // Background clear, foreground clear, body font, no radius, the border that
  // noBorder has when first read, a clear shadow of size 1. Made on first read.
  static const KeyboardButtonStyle& spacer();
  // Two loud styles for previews.
  static KeyboardButtonStyle preview1();
  static KeyboardButtonStyle preview2();

  const std::optional<Color>& backgroundColor() const { return backgroundColor_; }
  const std::optional<Color>& foregroundColor() const { return foregroundColor_; }
  const std::optional<KeyboardFont>& font() const { return font_; }
  std::optional<double> cornerRadius() const { return cornerRadius_; }
  const std::optional<Color>& borderColor() const { return borderColor_; }
  std::optional<double> borderSize() const { return borderSize_; }
  const std::optional<Color>& shadowColor() const { return shadowColor_; }
  std::optional<double> shadowSize() const { return shadowSize_; }
  const std::optional<Color>& pressedOverlayColor() const { return pressedOverlayColor_; }

  void setBackgroundColor(std::optional<Color> color) { backgroundColor_ = std::move(color); }
  void setForegroundColor(std::optional<Color> color) { foregroundColor_ = std::move(color); }
  void setFont(std::optional<KeyboardFont> font) { font_ = std::move(font); }
  void setCornerRadius(std::optional<double> radius) { cornerRadius_ = radius; }
  void setBorderColor(std::optional<Color> color);
  void setBorderSize(std::optional<double> size);
  void setShadowColor(std::optional<Color> color);
  void setShadowSize(std::optional<double> size);
  void setPressedOverlayColor(std::optional<Color> color) { pressedOverlayColor_ = std::move(color); }

  // Present only when both halves are.
  std::optional<KeyboardButtonBorderStyle> border() const;
  std::optional<KeyboardButtonShadowStyle> shadow() const;
  // Writes both halves, or clears both.
  void setBorder(std::optional<KeyboardButtonBorderStyle> border);
  void setShadow(std::optional<KeyboardButtonShadowStyle> shadow);

  // This style with `other` laid over it: other's colours, font and radius
  // where present; other's complete border (or shadow) pair, else this one's
  // complete pair, else none; this style's own pressed overlay colour.
  KeyboardButtonStyle extended(const KeyboardButtonStyle& other) const;

  bool operator==(const KeyboardButtonStyle&) const = default;

 private:
  friend KeyboardButtonStyle decodeValue(platform::Decoder&, std::type_identity<KeyboardButtonStyle>);

  std::optional<Color> backgroundColor_;
  std::optional<Color> foregroundColor_;
  std::optional<KeyboardFont> font_;
  std::optional<double> cornerRadius_;
  std::optional<Color> borderColor_;
  std::optional<double> borderSize_;
  std::optional<Color> shadowColor_;
  std::optional<double> shadowSize_;
  std::optional<Color> pressedOverlayColor_;
};

// A keyed object of the present fields only, in field order; reading takes
// each key when present and ignores others.
void encodeValue(platform::Encoder& encoder, const KeyboardButtonStyle& style);
KeyboardButtonStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardButtonStyle>);

}  // namespace keyloom
