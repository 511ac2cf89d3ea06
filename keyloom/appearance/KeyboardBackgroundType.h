#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

namespace keyloom {

namespace keyboard_background_type {
struct None {
  static constexpr std::string_view name = "none";
  bool operator==(const None&) const = default;
};
struct Clear {
  static constexpr std::string_view name = "clear";
  bool operator==(const Clear&) const = default;
};
struct Color {
  static constexpr std::string_view name = "color";
  platform::ui::Color color;
  bool operator==(const Color&) const = default;
};
struct Image {
  static constexpr std::string_view name = "image";
  std::vector<std::uint8_t> data;  // encoded image bytes
  bool operator==(const Image&) const = default;
};
struct VerticalGradient {
  static constexpr std::string_view name = "verticalGradient";
  std::vector<platform::ui::Color> colors;
  bool operator==(const VerticalGradient&) const = default;
};
}  // namespace keyboard_background_type

inline constexpr std::array<std::string_view, 5> keyboardBackgroundTypeNames = {"none", "clear", "color", "image",
                                                                                "verticalGradient"};

// A single-choice description of what is drawn behind the keys.
class KeyboardBackgroundType {
 public:
  using Value = std::variant<keyboard_background_type::None, keyboard_background_type::Clear,
                             keyboard_background_type::Color, keyboard_background_type::Image,
                             keyboard_background_type::VerticalGradient>;

  static KeyboardBackgroundType none() { return KeyboardBackgroundType(keyboard_background_type::None{}); }
  static KeyboardBackgroundType clear() { return KeyboardBackgroundType(keyboard_background_type::Clear{}); }
  static KeyboardBackgroundType color(platform::ui::Color color) {
    return KeyboardBackgroundType(keyboard_background_type::Color{color});
  }
  static KeyboardBackgroundType image(std::vector<std::uint8_t> data) {
    return KeyboardBackgroundType(keyboard_background_type::Image{std::move(data)});
  }
  static KeyboardBackgroundType verticalGradient(std::vector<platform::ui::Color> colors) {
    return KeyboardBackgroundType(keyboard_background_type::VerticalGradient{std::move(colors)});
  }

  const Value& value() const { return value_; }
  bool isNone() const { return std::holds_alternative<keyboard_background_type::None>(value_); }
  std::string_view caseName() const { return keyboardBackgroundTypeNames[value_.index()]; }

  // none and clear: clear; a colour filling the space; the decoded image at
  // its own size (nothing when the bytes do not decode); a gradient from top
  // to bottom.
  platform::ui::View view() const;

  bool operator==(const KeyboardBackgroundType&) const = default;

 private:
  explicit KeyboardBackgroundType(Value value) : value_(std::move(value)) {}
  Value value_;
};

// The one-key form: {"none": {}}, {"color": {"_0": colour}}, {"image": {"_0":
// base64}}, {"verticalGradient": {"_0": [colours]}}.
void encodeValue(platform::Encoder& encoder, const KeyboardBackgroundType& type);
KeyboardBackgroundType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardBackgroundType>);

// The gradient every vertical gradient of the backgrounds is drawn with.
platform::ui::View verticalGradientView(const std::vector<platform::ui::Color>& colors);

}  // namespace keyloom
