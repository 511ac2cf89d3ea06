#include "keyloom/appearance/AutocompleteToolbarStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/Preset.h"

namespace keyloom {

using platform::ui::Color;

AutocompleteToolbarItemBackgroundStyle& AutocompleteToolbarItemBackgroundStyle::standard() {
  static Preset<AutocompleteToolbarItemBackgroundStyle> preset(
      [] { return AutocompleteToolbarItemBackgroundStyle(Color::white().opacity(0.5), 4); });
  return preset.get();
}

AutocompleteToolbarItemStyle& AutocompleteToolbarItemStyle::standard() {
  static Preset<AutocompleteToolbarItemStyle> preset([] {
    return AutocompleteToolbarItemStyle(KeyboardFont::body(), Color::primary(), KeyboardFont::footnote(),
                                        Color::primary());
  });
  return preset.get();
}

AutocompleteToolbarSeparatorStyle& AutocompleteToolbarSeparatorStyle::standard() {
  static Preset<AutocompleteToolbarSeparatorStyle> preset(
      [] { return AutocompleteToolbarSeparatorStyle(Color::secondary().opacity(0.5), 1, 30); });
  return preset.get();
}

AutocompleteToolbarStyle& AutocompleteToolbarStyle::standard() {
  static Preset<AutocompleteToolbarStyle> preset([] {
    return AutocompleteToolbarStyle(50, AutocompleteToolbarItemStyle::standard(),
                                    AutocompleteToolbarSeparatorStyle::standard(),
                                    AutocompleteToolbarItemBackgroundStyle::standard());
  });
  return preset.get();
}

void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarItemBackgroundStyle& style) {
  auto container = encoder.container();
  container.encode("color", style.color);
  container.encode("cornerRadius", style.cornerRadius);
}

AutocompleteToolbarItemBackgroundStyle decodeValue(platform::Decoder& decoder,
                                                   std::type_identity<AutocompleteToolbarItemBackgroundStyle>) {
  auto container = decoder.container();
  const auto color = container.decode<Color>("color");
  return {color, container.decode<double>("cornerRadius")};
}

void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarItemStyle& style) {
  auto container = encoder.container();
  container.encode("titleFont", style.titleFont);
  container.encode("titleColor", style.titleColor);
  container.encode("subtitleFont", style.subtitleFont);
  container.encode("subtitleColor", style.subtitleColor);
}

AutocompleteToolbarItemStyle decodeValue(platform::Decoder& decoder,
                                         std::type_identity<AutocompleteToolbarItemStyle>) {
  auto container = decoder.container();
  auto titleFont = container.decode<KeyboardFont>("titleFont");
  const auto titleColor = container.decode<Color>("titleColor");
  auto subtitleFont = container.decode<KeyboardFont>("subtitleFont");
  const auto subtitleColor = container.decode<Color>("subtitleColor");
  return {std::move(titleFont), titleColor, std::move(subtitleFont), subtitleColor};
}

void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarSeparatorStyle& style) {
  auto container = encoder.container();
  container.encode("color", style.color);
  container.encode("height", style.height);
  container.encode("width", style.width);
}

AutocompleteToolbarSeparatorStyle decodeValue(platform::Decoder& decoder,
                                              std::type_identity<AutocompleteToolbarSeparatorStyle>) {
  auto container = decoder.container();
  const auto color = container.decode<Color>("color");
  const auto height = container.decode<double>("height");
  const auto width = container.decode<double>("width");
  return {color, width, height};
}

void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarStyle& style) {
  auto container = encoder.container();
  container.encode("autocompleteBackground", style.autocompleteBackground);
  container.encodeIfPresent("height", style.height);
  container.encode("item", style.item);
  container.encode("separator", style.separator);
}

AutocompleteToolbarStyle decodeValue(platform::Decoder& decoder, std::type_identity<AutocompleteToolbarStyle>) {
  auto container = decoder.container();
  auto background = container.decode<AutocompleteToolbarItemBackgroundStyle>("autocompleteBackground");
  const auto height = container.decodeIfPresent<double>("height");
  auto item = container.decode<AutocompleteToolbarItemStyle>("item");
  auto separator = container.decode<AutocompleteToolbarSeparatorStyle>("separator");
  return {height, std::move(item), std::move(separator), std::move(background)};
}

}  // namespace keyloom
