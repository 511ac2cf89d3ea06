#include "keyloom/appearance/KeyboardActionCalloutStyle.h"

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/Preset.h"
#include "keyloom/appearance/SizeCoding.h"
#include "keyloom/state/DeviceType.h"

namespace keyloom {

using platform::ui::Color;

KeyboardActionCalloutStyle::KeyboardActionCalloutStyle(KeyboardCalloutStyle callout, KeyboardFont font,
                                                       platform::Size maxButtonSize,
                                                       std::optional<Color> selectedBackgroundColor,
                                                       std::optional<Color> selectedForegroundColor,
                                                       std::optional<double> verticalOffset,
                                                       double verticalTextPadding)
    : callout(std::move(callout)),
      font(std::move(font)),
      maxButtonSize(maxButtonSize),
      selectedBackgroundColor(selectedBackgroundColor.value_or(Color::blue())),
      selectedForegroundColor(selectedForegroundColor.value_or(Color::white())),
      verticalOffset(verticalOffset.value_or(standardVerticalOffset(currentDeviceType()))),
      verticalTextPadding(verticalTextPadding) {}

namespace {

// The offset the standard preset settled at its first read, to tell it from
// one assigned later.
double settledStandardOffset = 0;

}  // namespace

KeyboardActionCalloutStyle& KeyboardActionCalloutStyle::standard() {
  static Preset<KeyboardActionCalloutStyle> preset([] {
    KeyboardActionCalloutStyle style(KeyboardCalloutStyle::standard(), KeyboardFont::title3(),
                                     platform::Size{50, 50}, std::nullopt, std::nullopt, std::nullopt, 6);
    settledStandardOffset = style.verticalOffset;
    return style;
  });
  return preset.get();
}

KeyboardActionCalloutStyle KeyboardActionCalloutStyle::standard(DeviceType device) {
  KeyboardActionCalloutStyle style = standard();
  if (style.verticalOffset == settledStandardOffset) style.verticalOffset = standardVerticalOffset(device);
  return style;
}

double KeyboardActionCalloutStyle::standardVerticalOffset(DeviceType device) {
  return device == DeviceType::pad ? 20 : 0;
}

void encodeValue(platform::Encoder& encoder, const KeyboardActionCalloutStyle& style) {
  auto container = encoder.container();
  container.encode("callout", style.callout);
  container.encode("font", style.font);
  container.encode("maxButtonSize", CodedSize{style.maxButtonSize});
  container.encode("selectedBackgroundColor", style.selectedBackgroundColor);
  container.encode("selectedForegroundColor", style.selectedForegroundColor);
  container.encode("verticalOffset", style.verticalOffset);
  container.encode("verticalTextPadding", style.verticalTextPadding);
}

KeyboardActionCalloutStyle decodeValue(platform::Decoder& decoder,
                                       std::type_identity<KeyboardActionCalloutStyle>) {
  auto container = decoder.container();
  auto callout = container.decode<KeyboardCalloutStyle>("callout");
  auto font = container.decode<KeyboardFont>("font");
  const auto maxButtonSize = container.decode<CodedSize>("maxButtonSize").size;
  const auto selectedBackground = container.decode<Color>("selectedBackgroundColor");
  const auto selectedForeground = container.decode<Color>("selectedForegroundColor");
  const auto verticalOffset = container.decode<double>("verticalOffset");
  const auto verticalTextPadding = container.decode<double>("verticalTextPadding");
  return KeyboardActionCalloutStyle(std::move(callout), std::move(font), maxButtonSize, selectedBackground,
                                    selectedForeground, verticalOffset, verticalTextPadding);
}

}  // namespace keyloom
