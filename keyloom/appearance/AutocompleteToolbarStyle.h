#pragma once

#include <optional>
#include <type_traits>

#include "keyloom/appearance/KeyboardFont.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/ui/Color.h"

namespace keyloom {

// The background of the highlighted suggestion.
struct AutocompleteToolbarItemBackgroundStyle {
  platform::ui::Color color;
  double cornerRadius = 0;

  AutocompleteToolbarItemBackgroundStyle(platform::ui::Color color, double cornerRadius)
      : color(color), cornerRadius(cornerRadius) {}

  // White at opacity 0.5, radius 4; settable.
  static AutocompleteToolbarItemBackgroundStyle& standard();

  bool operator==(const AutocompleteToolbarItemBackgroundStyle&) const = default;
};

// Fonts and colours of a suggestion's title and subtitle.
struct AutocompleteToolbarItemStyle {
  KeyboardFont titleFont;
  platform::ui::Color titleColor;
  KeyboardFont subtitleFont;
  platform::ui::Color subtitleColor;

  AutocompleteToolbarItemStyle(KeyboardFont titleFont, platform::ui::Color titleColor, KeyboardFont subtitleFont,
                               platform::ui::Color subtitleColor)
      : titleFont(std::move(titleFont)),
        titleColor(titleColor),
        subtitleFont(std::move(subtitleFont)),
        subtitleColor(subtitleColor) {}

  // Body and footnote in the primary colour; settable.
  static AutocompleteToolbarItemStyle& standard();

  bool operator==(const AutocompleteToolbarItemStyle&) const = default;
};

// The line between suggestions.
struct AutocompleteToolbarSeparatorStyle {
  platform::ui::Color color;
  double height = 0;
  double width = 0;

  // The width comes before the height here, unlike the fields.
  AutocompleteToolbarSeparatorStyle(platform::ui::Color color, double width, double height)
      : color(color), height(height), width(width) {}

  // Secondary at opacity 0.5, height 30, width 1; settable.
  static AutocompleteToolbarSeparatorStyle& standard();

  bool operator==(const AutocompleteToolbarSeparatorStyle&) const = default;
};

// The suggestion bar as a whole. No height: the bar takes its content's.
struct AutocompleteToolbarStyle {
  AutocompleteToolbarItemBackgroundStyle autocompleteBackground;
  std::optional<double> height;
  AutocompleteToolbarItemStyle item;
  AutocompleteToolbarSeparatorStyle separator;

  AutocompleteToolbarStyle(std::optional<double> height, AutocompleteToolbarItemStyle item,
                           AutocompleteToolbarSeparatorStyle separator,
                           AutocompleteToolbarItemBackgroundStyle autocompleteBackground)
      : autocompleteBackground(std::move(autocompleteBackground)),
        height(height),
        item(std::move(item)),
        separator(std::move(separator)) {}

  // Height 50 and the three part presets as they are at this preset's first
  // read (later assignments to them are not followed); settable.
  static AutocompleteToolbarStyle& standard();

  bool operator==(const AutocompleteToolbarStyle&) const = default;
};

// Keyed by field name; every key required but the toolbar's "height", which is
// written only when present and reads as absent when missing or null.
void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarItemBackgroundStyle& style);
AutocompleteToolbarItemBackgroundStyle decodeValue(platform::Decoder& decoder,
                                                   std::type_identity<AutocompleteToolbarItemBackgroundStyle>);
void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarItemStyle& style);
AutocompleteToolbarItemStyle decodeValue(platform::Decoder& decoder, std::type_identity<AutocompleteToolbarItemStyle>);
void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarSeparatorStyle& style);
AutocompleteToolbarSeparatorStyle decodeValue(platform::Decoder& decoder,
                                              std::type_identity<AutocompleteToolbarSeparatorStyle>);
void encodeValue(platform::Encoder& encoder, const AutocompleteToolbarStyle& style);
AutocompleteToolbarStyle decodeValue(platform::Decoder& decoder, std::type_identity<AutocompleteToolbarStyle>);

}  // namespace keyloom
