#pragma once

#include <optional>
#include <string_view>
#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/Color.h"

namespace keyloom {

// A named colour of a resource bundle, kept in the file "<name>.color": a JSON
// object with a "light" colour and, optionally, a "dark" one, each an object
// of "red", "green", "blue" and "alpha" numbers in 0...1 (sRGB). Other keys
// are ignored.
struct ColorAsset {
  platform::ui::Rgba light;
  std::optional<platform::ui::Rgba> dark;

  // Adaptive when the asset has a dark variant.
  platform::ui::Color color() const;

  // Throws platform::DecodingError for text that is not such an object, a
  // missing or non-numeric component, or one outside 0...1.
  static ColorAsset parse(std::string_view json);

  // The asset of this name in the bundle; absent when the bundle has none.
  // Throws platform::DecodingError, naming the file, when it does not parse.
  static std::optional<ColorAsset> load(const platform::Bundle& bundle, std::string_view name);

  bool operator==(const ColorAsset&) const = default;
};

ColorAsset decodeValue(platform::Decoder& decoder, std::type_identity<ColorAsset>);

}  // namespace keyloom
