#include "keyloom/appearance/KeyboardBackgroundType.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/ImageDataCoding.h"
#include "platform/coding/EnumCoding.h"
#include "platform/ui/Image.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;
namespace kbt = keyboard_background_type;

namespace {

// Lets the image bytes be read with the container's required-key rules.
struct ImageBytes {
  std::vector<std::uint8_t> bytes;
};
[[maybe_unused]] ImageBytes decodeValue(platform::Decoder& decoder, std::type_identity<ImageBytes>) {
  return {decodeImageData(decoder)};
}

}  // namespace

ui::View verticalGradientView(const std::vector<ui::Color>& colors) {
  return ui::LinearGradient(colors, ui::UnitPoint::top(), ui::UnitPoint::bottom());
}

ui::View KeyboardBackgroundType::view() const {
  if (const auto* color = std::get_if<kbt::Color>(&value_)) return ui::View(color->color);
  if (const auto* image = std::get_if<kbt::Image>(&value_)) return ui::View(ui::Image::fromData(image->data));
  if (const auto* gradient = std::get_if<kbt::VerticalGradient>(&value_)) return verticalGradientView(gradient->colors);
  return ui::View(ui::Color::clear());
}

void encodeValue(platform::Encoder& encoder, const KeyboardBackgroundType& type) {
  auto payload = platform::encodeCase(encoder, type.caseName());
  if (const auto* color = std::get_if<kbt::Color>(&type.value())) {
    payload.encode("_0", color->color);
  } else if (const auto* image = std::get_if<kbt::Image>(&type.value())) {
    auto child = payload.superEncoder("_0");
    encodeImageData(child, image->data);
  } else if (const auto* gradient = std::get_if<kbt::VerticalGradient>(&type.value())) {
    payload.encode("_0", gradient->colors);
  }
}

KeyboardBackgroundType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardBackgroundType>) {
  auto decoded = platform::decodeCase(decoder, keyboardBackgroundTypeNames, "KeyboardBackgroundType");
  switch (decoded.index) {
    case 2:
      return KeyboardBackgroundType::color(decoded.payload.decode<ui::Color>("_0"));
    case 3:
      return KeyboardBackgroundType::image(decoded.payload.decode<ImageBytes>("_0").bytes);
    case 4:
      return KeyboardBackgroundType::verticalGradient(decoded.payload.decode<std::vector<ui::Color>>("_0"));
    case 1:
      return KeyboardBackgroundType::clear();
    default:
      return KeyboardBackgroundType::none();
  }
}

}  // namespace keyloom
