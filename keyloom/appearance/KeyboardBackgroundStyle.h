#pragma once

#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

#include "keyloom/appearance/KeyboardBackgroundType.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

namespace keyloom {

// What is drawn behind the keys: a stack of optional layers (colour,
// gradient, image, overlay gradient, overlay colour, back to front), or a
// single-choice background type given by the older constructor, which then
// replaces the layers entirely.
class KeyboardBackgroundStyle {
 public:
  using Color = platform::ui::Color;
  using Colors = std::vector<Color>;
  using Bytes = std::vector<std::uint8_t>;

  // Both types none, every layer absent: draws nothing.
  KeyboardBackgroundStyle() = default;
  KeyboardBackgroundStyle(std::optional<Color> backgroundColor, std::optional<Colors> backgroundGradient,
                          std::optional<Bytes> imageData, std::optional<Color> overlayColor,
                          std::optional<Colors> overlayGradient);
  // Draws the type alone (its layers are ignored unless the type is none).
  explicit KeyboardBackgroundStyle(KeyboardBackgroundType type);
  // Only carries the type: it is compared and coded, not drawn.
  static KeyboardBackgroundStyle withType(KeyboardBackgroundType type);

  static KeyboardBackgroundStyle color(Color color);
  static KeyboardBackgroundStyle image(Bytes data);
  static KeyboardBackgroundStyle verticalGradient(Colors colors);

  // The style the standard appearance returns; settable.
  static KeyboardBackgroundStyle& standard();

  std::optional<Color> backgroundColor;
  std::optional<Colors> backgroundGradient;
  std::optional<Bytes> imageData;
  std::optional<Color> overlayColor;
  std::optional<Colors> overlayGradient;

  const KeyboardBackgroundType& legacyBackgroundType() const { return legacyBackgroundType_; }
  const KeyboardBackgroundType& backgroundType() const { return backgroundType_; }

  // Made anew at each call.
  platform::ui::View backgroundView() const;

  bool operator==(const KeyboardBackgroundStyle&) const = default;

 private:
  friend KeyboardBackgroundStyle decodeValue(platform::Decoder&, std::type_identity<KeyboardBackgroundStyle>);

  KeyboardBackgroundType legacyBackgroundType_ = KeyboardBackgroundType::none();
  KeyboardBackgroundType backgroundType_ = KeyboardBackgroundType::none();
};

// Keys in field order: "legacyBackgroundType" and "backgroundType" always
// (and required), each layer only when present (and optional).
void encodeValue(platform::Encoder& encoder, const KeyboardBackgroundStyle& style);
KeyboardBackgroundStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardBackgroundStyle>);

}  // namespace keyloom
