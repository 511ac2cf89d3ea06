#include "keyloom/appearance/KeyboardColor.h"

#include <array>
#include <cstddef>
#include <optional>
#include <random>

#include "keyloom/resources/ColorAsset.h"
#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

namespace keyloom {

using platform::ui::Color;
using Reader = KeyboardColorReader;

std::string_view rawValue(KeyboardColor color) { return keyboardColorNames[static_cast<std::size_t>(color)]; }

std::optional<KeyboardColor> keyboardColor(std::string_view raw) {
  for (std::size_t i = 0; i < keyboardColorNames.size(); ++i) {
    if (keyboardColorNames[i] == raw) return static_cast<KeyboardColor>(i);
  }
  return std::nullopt;
}

platform::Bundle& keyboardColorBundle() {
  static std::optional<platform::Bundle>* bundle = [] {
    static std::optional<platform::Bundle> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  if (!*bundle) bundle->emplace(keyloomBundle());
  return **bundle;
}

Color color(KeyboardColor named) {
  // Every key asks for these colours at every redraw: read each file once
  // per bundle.
  struct Cache {
    std::optional<platform::Bundle> bundle;
    std::array<std::optional<Color>, keyboardColorNames.size()> colors;
  };
  static Cache* cache = [] {
    static Cache made;
    platform::registerProcessReset([] { made = Cache(); });
    return &made;
  }();
  const platform::Bundle& bundle = keyboardColorBundle();
  if (cache->bundle != bundle) {
    cache->bundle = bundle;
    cache->colors.fill(std::nullopt);
  }
  auto& slot = cache->colors[static_cast<std::size_t>(named)];
  if (!slot) {
    const auto asset = ColorAsset::load(keyboardColorBundle(), rawValue(named));
    slot = asset ? asset->color() : Color::clear();
  }
  return *slot;
}

Color Reader::standardButtonBackground() { return color(KeyboardColor::standardButtonBackground); }
Color Reader::standardButtonBackgroundForColorSchemeBug() {
  return color(KeyboardColor::standardButtonBackgroundForColorSchemeBug);
}
Color Reader::standardButtonBackgroundForDarkAppearance() {
  return color(KeyboardColor::standardButtonBackgroundForDarkAppearance);
}
Color Reader::standardButtonForeground() { return color(KeyboardColor::standardButtonForeground); }
Color Reader::standardButtonForegroundForDarkAppearance() {
  return color(KeyboardColor::standardButtonForegroundForDarkAppearance);
}
Color Reader::standardButtonShadow() { return color(KeyboardColor::standardButtonShadow); }
Color Reader::standardDarkButtonBackground() { return color(KeyboardColor::standardDarkButtonBackground); }
Color Reader::standardDarkButtonBackgroundForColorSchemeBug() {
  return color(KeyboardColor::standardDarkButtonBackgroundForColorSchemeBug);
}
Color Reader::standardDarkButtonBackgroundForDarkAppearance() {
  return color(KeyboardColor::standardDarkButtonBackgroundForDarkAppearance);
}
Color Reader::standardDarkButtonForeground() { return color(KeyboardColor::standardButtonForeground); }
Color Reader::standardDarkButtonForegroundForDarkAppearance() {
  return color(KeyboardColor::standardButtonForegroundForDarkAppearance);
}
Color Reader::standardKeyboardBackground() { return color(KeyboardColor::standardKeyboardBackground); }
Color Reader::standardKeyboardBackgroundForDarkAppearance() {
  return color(KeyboardColor::standardKeyboardBackgroundForDarkAppearance);
}
Color Reader::clearInteractable() { return Color::white().opacity(0.001); }

Color Reader::standardButtonBackground(const KeyboardContext& context) {
  return context.hasDarkColorScheme() ? standardButtonBackgroundForColorSchemeBug() : standardButtonBackground();
}
Color Reader::standardButtonForeground(const KeyboardContext& context) {
  return context.hasDarkColorScheme() ? standardButtonForegroundForDarkAppearance() : standardButtonForeground();
}
Color Reader::standardButtonShadow(const KeyboardContext&) { return standardButtonShadow(); }
Color Reader::standardDarkButtonBackground(const KeyboardContext& context) {
  return context.hasDarkColorScheme() ? standardDarkButtonBackgroundForColorSchemeBug()
                                      : standardDarkButtonBackground();
}
Color Reader::standardDarkButtonForeground(const KeyboardContext& context) {
  return context.hasDarkColorScheme() ? standardDarkButtonForegroundForDarkAppearance()
                                      : standardDarkButtonForeground();
}

Color randomColor(double lower, double upper, bool randomOpacity) {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_real_distribution<double> component(lower, upper);
  std::uniform_real_distribution<double> unit(0, 1);
  const double red = component(generator);
  const double green = component(generator);
  const double blue = component(generator);
  return Color::rgba(red, green, blue, randomOpacity ? unit(generator) : 1);
}

std::vector<std::string> chars(std::string_view text) { return platform::text::graphemes(text); }

}  // namespace keyloom
