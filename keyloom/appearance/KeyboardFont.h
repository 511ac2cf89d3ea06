#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Font.h"

namespace keyloom {

// The nine weights a key font can be given.
enum class KeyboardFontWeight { black, bold, heavy, light, medium, regular, semibold, thin, ultraLight };
inline constexpr std::array<std::string_view, 9> keyboardFontWeightNames = {
    "black", "bold", "heavy", "light", "medium", "regular", "semibold", "thin", "ultraLight"};

platform::ui::FontWeight fontWeight(KeyboardFontWeight weight);
// The named weight equal to the platform's; the platform has no other, so
// anything unmatched counts as regular.
KeyboardFontWeight keyboardWeight(platform::ui::FontWeight weight);

// Written as the one-key form {"<name>": {}}.
void encodeValue(platform::Encoder& encoder, KeyboardFontWeight weight);
KeyboardFontWeight decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFontWeight>);

namespace keyboard_font_type {
struct Custom {
  static constexpr std::string_view name = "custom";
  std::string fontName;
  double size = 0;
  bool operator==(const Custom&) const = default;
};
struct CustomFixed {
  static constexpr std::string_view name = "customFixed";
  std::string fontName;
  double size = 0;
  bool operator==(const CustomFixed&) const = default;
};
struct System {
  static constexpr std::string_view name = "system";
  double size = 0;
  bool operator==(const System&) const = default;
};
// One of the platform's text styles, which scale with the user's text size.
struct TextStyle {
  platform::ui::TextStyle style;
  bool operator==(const TextStyle&) const = default;
};
}  // namespace keyboard_font_type

// Which font: a named font (scaling or fixed size), the system font of a
// size, or a text style.
class KeyboardFontType {
 public:
  using Value = std::variant<keyboard_font_type::Custom, keyboard_font_type::CustomFixed,
                             keyboard_font_type::System, keyboard_font_type::TextStyle>;

  static KeyboardFontType custom(std::string name, double size);
  static KeyboardFontType customFixed(std::string name, double size);
  static KeyboardFontType system(double size);
  static KeyboardFontType textStyle(platform::ui::TextStyle style);
  static KeyboardFontType body() { return textStyle(platform::ui::TextStyle::body); }
  static KeyboardFontType callout() { return textStyle(platform::ui::TextStyle::callout); }
  static KeyboardFontType caption() { return textStyle(platform::ui::TextStyle::caption); }
  static KeyboardFontType caption2() { return textStyle(platform::ui::TextStyle::caption2); }
  static KeyboardFontType footnote() { return textStyle(platform::ui::TextStyle::footnote); }
  static KeyboardFontType headline() { return textStyle(platform::ui::TextStyle::headline); }
  static KeyboardFontType largeTitle() { return textStyle(platform::ui::TextStyle::largeTitle); }
  static KeyboardFontType subheadline() { return textStyle(platform::ui::TextStyle::subheadline); }
  static KeyboardFontType title() { return textStyle(platform::ui::TextStyle::title); }
  static KeyboardFontType title2() { return textStyle(platform::ui::TextStyle::title2); }
  static KeyboardFontType title3() { return textStyle(platform::ui::TextStyle::title3); }

  const Value& value() const { return value_; }
  // The case name, which is also its key in the coded form.
  std::string_view caseName() const;

  platform::ui::Font font() const;

  bool operator==(const KeyboardFontType&) const = default;

 private:
  explicit KeyboardFontType(Value value) : value_(std::move(value)) {}
  Value value_;
};

// The one-key form: {"custom": {"_0": name, "size": n}}, {"system": {"size": n}}, {"body": {}}.
void encodeValue(platform::Encoder& encoder, const KeyboardFontType& type);
KeyboardFontType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFontType>);

// A font of the styles: a type and an optional weight. No weight leaves the
// font's own weight, which is not the same as regular.
struct KeyboardFont {
  KeyboardFontType type;
  std::optional<KeyboardFontWeight> weight;

  KeyboardFont(KeyboardFontType type, std::optional<KeyboardFontWeight> weight)
      : type(std::move(type)), weight(weight) {}

  static KeyboardFont body(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont callout(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont caption(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont caption2(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont footnote(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont headline(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont largeTitle(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont subheadline(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont title(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont title2(std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont title3(std::optional<KeyboardFontWeight> weight = std::nullopt);
  // A named font that follows the user's text size.
  static KeyboardFont custom(std::string name, double size,
                             std::optional<KeyboardFontWeight> weight = std::nullopt);
  // A named font of fixed size.
  static KeyboardFont customFixed(std::string name, double fixedSize,
                                  std::optional<KeyboardFontWeight> weight = std::nullopt);
  static KeyboardFont system(double size, std::optional<KeyboardFontWeight> weight = std::nullopt);

  // The same type with this weight.
  KeyboardFont withWeight(KeyboardFontWeight weight) const;

  // The font to draw with: the type's font, then the weight when there is one.
  platform::ui::Font font() const;

  bool operator==(const KeyboardFont&) const = default;
};

// {"type": ..., "weight": ...}; "weight" only when present, and optional (or null) on reading.
void encodeValue(platform::Encoder& encoder, const KeyboardFont& font);
KeyboardFont decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFont>);

}  // namespace keyloom
