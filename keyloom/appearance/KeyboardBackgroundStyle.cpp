#include "keyloom/appearance/KeyboardBackgroundStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/ImageDataCoding.h"
#include "keyloom/appearance/Preset.h"
#include "platform/ui/Image.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

struct ImageBytes {
  std::vector<std::uint8_t> bytes;
};
[[maybe_unused]] ImageBytes decodeValue(platform::Decoder& decoder, std::type_identity<ImageBytes>) {
  return {decodeImageData(decoder)};
}

}  // namespace

KeyboardBackgroundStyle::KeyboardBackgroundStyle(std::optional<Color> backgroundColor,
                                                 std::optional<Colors> backgroundGradient,
                                                 std::optional<Bytes> imageData, std::optional<Color> overlayColor,
                                                 std::optional<Colors> overlayGradient)
    : backgroundColor(std::move(backgroundColor)),
      backgroundGradient(std::move(backgroundGradient)),
      imageData(std::move(imageData)),
      overlayColor(std::move(overlayColor)),
      overlayGradient(std::move(overlayGradient)) {}

KeyboardBackgroundStyle::KeyboardBackgroundStyle(KeyboardBackgroundType type)
    : legacyBackgroundType_(type), backgroundType_(std::move(type)) {}

KeyboardBackgroundStyle KeyboardBackgroundStyle::withType(KeyboardBackgroundType type) {
  KeyboardBackgroundStyle style;
  style.backgroundType_ = std::move(type);
  return style;
}

KeyboardBackgroundStyle KeyboardBackgroundStyle::color(Color color) {
  KeyboardBackgroundStyle style;
  style.backgroundColor = color;
  return style;
}

KeyboardBackgroundStyle KeyboardBackgroundStyle::image(Bytes data) {
  KeyboardBackgroundStyle style;
  style.imageData = std::move(data);
  return style;
}

KeyboardBackgroundStyle KeyboardBackgroundStyle::verticalGradient(Colors colors) {
  KeyboardBackgroundStyle style;
  style.backgroundGradient = std::move(colors);
  return style;
}

KeyboardBackgroundStyle& KeyboardBackgroundStyle::standard() {
  static Preset<KeyboardBackgroundStyle> preset([] { return KeyboardBackgroundStyle(); });
  return preset.get();
}

ui::View KeyboardBackgroundStyle::backgroundView() const {
  if (!legacyBackgroundType_.isNone()) return legacyBackgroundType_.view();
  std::vector<ui::View> layers;
  if (backgroundColor) layers.emplace_back(*backgroundColor);
  if (backgroundGradient) layers.push_back(verticalGradientView(*backgroundGradient));
  if (imageData) {
    layers.push_back(ui::View(ui::Image::fromData(*imageData))
                         .resizable(platform::EdgeInsets{}, ui::ResizingMode::stretch)
                         .aspectRatio(std::nullopt, ui::ContentMode::fill));
  }
  if (overlayGradient) layers.push_back(verticalGradientView(*overlayGradient));
  if (overlayColor) layers.emplace_back(*overlayColor);
  return ui::ZStack(ui::Alignment::center(), std::move(layers));
}

void encodeValue(platform::Encoder& encoder, const KeyboardBackgroundStyle& style) {
  auto container = encoder.container();
  container.encode("legacyBackgroundType", style.legacyBackgroundType());
  container.encode("backgroundType", style.backgroundType());
  container.encodeIfPresent("backgroundColor", style.backgroundColor);
  container.encodeIfPresent("backgroundGradient", style.backgroundGradient);
  if (style.imageData) {
    auto child = container.superEncoder("imageData");
    encodeImageData(child, *style.imageData);
  }
  container.encodeIfPresent("overlayColor", style.overlayColor);
  container.encodeIfPresent("overlayGradient", style.overlayGradient);
}

KeyboardBackgroundStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardBackgroundStyle>) {
  auto container = decoder.container();
  KeyboardBackgroundStyle style;
  style.legacyBackgroundType_ = container.decode<KeyboardBackgroundType>("legacyBackgroundType");
  style.backgroundType_ = container.decode<KeyboardBackgroundType>("backgroundType");
  style.backgroundColor = container.decodeIfPresent<ui::Color>("backgroundColor");
  style.backgroundGradient = container.decodeIfPresent<std::vector<ui::Color>>("backgroundGradient");
  if (auto image = container.decodeIfPresent<ImageBytes>("imageData")) style.imageData = std::move(image->bytes);
  style.overlayColor = container.decodeIfPresent<ui::Color>("overlayColor");
  style.overlayGradient = container.decodeIfPresent<std::vector<ui::Color>>("overlayGradient");
  return style;
}

}  // namespace keyloom
