#include "keyloom/appearance/KeyboardFont.h"

#include <cstddef>

#include "platform/coding/EnumCoding.h"

namespace keyloom {

namespace ui = platform::ui;
namespace kft = keyboard_font_type;

namespace {

constexpr std::array<ui::FontWeight, 9> platformWeights = {
    ui::FontWeight::black,  ui::FontWeight::bold,     ui::FontWeight::heavy,
    ui::FontWeight::light,  ui::FontWeight::medium,   ui::FontWeight::regular,
    ui::FontWeight::semibold, ui::FontWeight::thin,   ui::FontWeight::ultraLight};

// The coded case names of KeyboardFontType.
constexpr std::array<std::string_view, 14> fontTypeCaseNames = {
    "body",   "callout",     "caption", "caption2", "custom", "customFixed", "footnote",
    "headline", "largeTitle", "subheadline", "system", "title", "title2", "title3"};

std::optional<ui::TextStyle> textStyleNamed(std::string_view name) {
  for (std::size_t i = 0; i < ui::textStyleNames.size(); ++i) {
    if (ui::textStyleNames[i] == name) return static_cast<ui::TextStyle>(i);
  }
  return std::nullopt;
}

}  // namespace

ui::FontWeight fontWeight(KeyboardFontWeight weight) {
  return platformWeights[static_cast<std::size_t>(weight)];
}

KeyboardFontWeight keyboardWeight(ui::FontWeight weight) {
  for (std::size_t i = 0; i < platformWeights.size(); ++i) {
    if (platformWeights[i] == weight) return static_cast<KeyboardFontWeight>(i);
  }
  return KeyboardFontWeight::regular;
}

void encodeValue(platform::Encoder& encoder, KeyboardFontWeight weight) {
  platform::encodeCase(encoder, keyboardFontWeightNames[static_cast<std::size_t>(weight)]);
}

KeyboardFontWeight decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFontWeight>) {
  auto decoded = platform::decodeCase(decoder, keyboardFontWeightNames, "KeyboardFontWeight");
  return static_cast<KeyboardFontWeight>(decoded.index);
}

KeyboardFontType KeyboardFontType::custom(std::string name, double size) {
  return KeyboardFontType(kft::Custom{std::move(name), size});
}
KeyboardFontType KeyboardFontType::customFixed(std::string name, double size) {
  return KeyboardFontType(kft::CustomFixed{std::move(name), size});
}
KeyboardFontType KeyboardFontType::system(double size) { return KeyboardFontType(kft::System{size}); }
KeyboardFontType KeyboardFontType::textStyle(ui::TextStyle style) {
  return KeyboardFontType(kft::TextStyle{style});
}

std::string_view KeyboardFontType::caseName() const {
  if (const auto* style = std::get_if<kft::TextStyle>(&value_)) {
    return ui::textStyleNames[static_cast<std::size_t>(style->style)];
  }
  return std::visit(
      [](const auto& payload) -> std::string_view {
        if constexpr (requires { payload.name; }) {
          return std::decay_t<decltype(payload)>::name;
        } else {
          return {};
        }
      },
      value_);
}

ui::Font KeyboardFontType::font() const {
  if (const auto* custom = std::get_if<kft::Custom>(&value_)) return ui::Font::custom(custom->fontName, custom->size);
  if (const auto* fixed = std::get_if<kft::CustomFixed>(&value_)) {
    return ui::Font::customFixed(fixed->fontName, fixed->size);
  }
  if (const auto* system = std::get_if<kft::System>(&value_)) {
    return ui::Font::system(system->size, ui::FontWeight::regular, ui::FontDesign::default_);
  }
  return ui::Font::system(std::get<kft::TextStyle>(value_).style);
}

void encodeValue(platform::Encoder& encoder, const KeyboardFontType& type) {
  auto payload = platform::encodeCase(encoder, type.caseName());
  if (const auto* custom = std::get_if<kft::Custom>(&type.value())) {
    payload.encode("_0", custom->fontName);
    payload.encode("size", custom->size);
  } else if (const auto* fixed = std::get_if<kft::CustomFixed>(&type.value())) {
    payload.encode("_0", fixed->fontName);
    payload.encode("size", fixed->size);
  } else if (const auto* system = std::get_if<kft::System>(&type.value())) {
    payload.encode("size", system->size);
  }
}

KeyboardFontType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFontType>) {
  auto decoded = platform::decodeCase(decoder, fontTypeCaseNames, "KeyboardFontType");
  const auto& payload = decoded.payload;
  if (decoded.name == "custom") {
    auto name = payload.decode<std::string>("_0");
    return KeyboardFontType::custom(std::move(name), payload.decode<double>("size"));
  }
  if (decoded.name == "customFixed") {
    auto name = payload.decode<std::string>("_0");
    return KeyboardFontType::customFixed(std::move(name), payload.decode<double>("size"));
  }
  if (decoded.name == "system") return KeyboardFontType::system(payload.decode<double>("size"));
  return KeyboardFontType::textStyle(*textStyleNamed(decoded.name));
}

KeyboardFont KeyboardFont::body(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::body(), w}; }
KeyboardFont KeyboardFont::callout(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::callout(), w}; }
KeyboardFont KeyboardFont::caption(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::caption(), w}; }
KeyboardFont KeyboardFont::caption2(std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::caption2(), w};
}
KeyboardFont KeyboardFont::footnote(std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::footnote(), w};
}
KeyboardFont KeyboardFont::headline(std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::headline(), w};
}
KeyboardFont KeyboardFont::largeTitle(std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::largeTitle(), w};
}
KeyboardFont KeyboardFont::subheadline(std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::subheadline(), w};
}
KeyboardFont KeyboardFont::title(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::title(), w}; }
KeyboardFont KeyboardFont::title2(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::title2(), w}; }
KeyboardFont KeyboardFont::title3(std::optional<KeyboardFontWeight> w) { return {KeyboardFontType::title3(), w}; }
KeyboardFont KeyboardFont::custom(std::string name, double size, std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::custom(std::move(name), size), w};
}
KeyboardFont KeyboardFont::customFixed(std::string name, double fixedSize, std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::customFixed(std::move(name), fixedSize), w};
}
KeyboardFont KeyboardFont::system(double size, std::optional<KeyboardFontWeight> w) {
  return {KeyboardFontType::system(size), w};
}

KeyboardFont KeyboardFont::withWeight(KeyboardFontWeight newWeight) const { return {type, newWeight}; }

ui::Font KeyboardFont::font() const {
  ui::Font base = type.font();
  if (!weight) return base;
  return base.weight(fontWeight(*weight));
}

void encodeValue(platform::Encoder& encoder, const KeyboardFont& font) {
  auto container = encoder.container();
  container.encode("type", font.type);
  container.encodeIfPresent("weight", font.weight);
}

KeyboardFont decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardFont>) {
  auto container = decoder.container();
  auto type = container.decode<KeyboardFontType>("type");
  return {std::move(type), container.decodeIfPresent<KeyboardFontWeight>("weight")};
}

}  // namespace keyloom
