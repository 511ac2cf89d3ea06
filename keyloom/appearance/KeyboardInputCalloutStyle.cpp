#include "keyloom/appearance/KeyboardInputCalloutStyle.h"

#include "keyloom/appearance/Preset.h"
#include "keyloom/appearance/SizeCoding.h"

namespace keyloom {

KeyboardInputCalloutStyle& KeyboardInputCalloutStyle::standard() {
  static Preset<KeyboardInputCalloutStyle> preset([] {
    return KeyboardInputCalloutStyle{.callout = KeyboardCalloutStyle::standard(),
                                     .calloutPadding = 2,
                                     .calloutSize = platform::Size{0, 55},
                                     .font = KeyboardFont::largeTitle(KeyboardFontWeight::light)};
  });
  return preset.get();
}

void encodeValue(platform::Encoder& encoder, const KeyboardInputCalloutStyle& style) {
  auto container = encoder.container();
  container.encode("callout", style.callout);
  container.encode("calloutPadding", style.calloutPadding);
  container.encode("calloutSize", CodedSize{style.calloutSize});
  container.encode("font", style.font);
}

KeyboardInputCalloutStyle decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardInputCalloutStyle>) {
  auto container = decoder.container();
  auto callout = container.decode<KeyboardCalloutStyle>("callout");
  const auto padding = container.decode<double>("calloutPadding");
  const auto size = container.decode<CodedSize>("calloutSize").size;
  return KeyboardInputCalloutStyle{std::move(callout), padding, size, container.decode<KeyboardFont>("font")};
}

}  // namespace keyloom
