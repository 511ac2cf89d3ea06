#include "keyloom/resources/ColorAsset.h"

#include <fstream>
#include <sstream>
#include <string>

#include "platform/coding/DecodingError.h"
#include "platform/coding/JSONDecoder.h"

namespace keyloom {

namespace {

constexpr std::string_view componentNames[] = {"red", "green", "blue", "alpha"};

platform::ui::Rgba decodeRgba(const platform::KeyedDecodingContainer& variants, std::string_view variant) {
  const platform::KeyedDecodingContainer components = variants.nestedContainer(variant);
  double values[4];
  for (int i = 0; i < 4; ++i) {
    values[i] = components.decode<double>(componentNames[i]);
    // Written this way so that NaN fails too.
    if (!(values[i] >= 0 && values[i] <= 1)) {
      throw components.dataCorruptedError(componentNames[i], "Colour components must lie in 0...1.");
    }
  }
  return {values[0], values[1], values[2], values[3]};
}

}  // namespace

platform::ui::Color ColorAsset::color() const {
  const platform::ui::Color lightColor(light);
  if (!dark) return lightColor;
  return platform::ui::Color::adaptive(lightColor, platform::ui::Color(*dark));
}

ColorAsset ColorAsset::parse(std::string_view json) { return platform::JSONDecoder().decode<ColorAsset>(json); }

std::optional<ColorAsset> ColorAsset::load(const platform::Bundle& bundle, std::string_view name) {
  const std::optional<std::filesystem::path> path = bundle.pathForResource(name, "color");
  if (!path) return std::nullopt;
  std::ifstream file(*path, std::ios::binary);
  if (!file.is_open()) {
    throw platform::DecodingError::dataCorrupted({}, "The colour asset " + path->string() + " cannot be read.");
  }
  std::ostringstream text;
  text << file.rdbuf();
  try {
    return parse(text.str());
  } catch (const platform::DecodingError& error) {
    throw platform::DecodingError::dataCorrupted(
        error.codingPath(), "The colour asset " + path->string() + " is invalid: " + error.debugDescription());
  }
}

ColorAsset decodeValue(platform::Decoder& decoder, std::type_identity<ColorAsset>) {
  const platform::KeyedDecodingContainer variants = decoder.container();
  ColorAsset asset;
  asset.light = decodeRgba(variants, "light");
  if (variants.contains("dark") && !variants.decodeNil("dark")) asset.dark = decodeRgba(variants, "dark");
  return asset;
}

}  // namespace keyloom
