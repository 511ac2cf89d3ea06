#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Bundle.h"
#include "platform/ui/Color.h"

namespace keyloom {

class KeyboardContext;

// The library's named colours; each name is also a colour asset of the
// resource bundle, with a light and a dark variant.
enum class KeyboardColor {
  standardButtonBackground,
  standardButtonBackgroundForColorSchemeBug,
  standardButtonBackgroundForDarkAppearance,
  standardButtonForeground,
  standardButtonForegroundForDarkAppearance,
  standardButtonShadow,
  standardDarkButtonBackground,
  standardDarkButtonBackgroundForColorSchemeBug,
  standardDarkButtonBackgroundForDarkAppearance,
  standardKeyboardBackground,
  standardKeyboardBackgroundForDarkAppearance
};
inline constexpr std::array<std::string_view, 11> keyboardColorNames = {
    "standardButtonBackground",
    "standardButtonBackgroundForColorSchemeBug",
    "standardButtonBackgroundForDarkAppearance",
    "standardButtonForeground",
    "standardButtonForegroundForDarkAppearance",
    "standardButtonShadow",
    "standardDarkButtonBackground",
    "standardDarkButtonBackgroundForColorSchemeBug",
    "standardDarkButtonBackgroundForDarkAppearance",
    "standardKeyboardBackground",
    "standardKeyboardBackgroundForDarkAppearance"};

// The raw value, id and resource name: the case's own name.
std::string_view rawValue(KeyboardColor color);
// Exactly one of the names (case-sensitive); absent for any other string.
std::optional<KeyboardColor> keyboardColor(std::string_view rawValue);

// The bundle every named colour is looked up in: the library bundle until
// assigned. Assigning redirects every later lookup.
platform::Bundle& keyboardColorBundle();

// The colour asset of that name in keyboardColorBundle(), read once per
// bundle. A bundle without the asset gives clear.
platform::ui::Color color(KeyboardColor color);

// The library's colours. Named colours come from color() above; the
// choosers with a context pick the variant for its colour scheme.
struct KeyboardColorReader {
  static platform::ui::Color standardButtonBackground();
  static platform::ui::Color standardButtonBackgroundForColorSchemeBug();
  static platform::ui::Color standardButtonBackgroundForDarkAppearance();
  static platform::ui::Color standardButtonForeground();
  static platform::ui::Color standardButtonForegroundForDarkAppearance();
  static platform::ui::Color standardButtonShadow();
  static platform::ui::Color standardDarkButtonBackground();
  static platform::ui::Color standardDarkButtonBackgroundForColorSchemeBug();
  static platform::ui::Color standardDarkButtonBackgroundForDarkAppearance();
  static platform::ui::Color standardDarkButtonForeground();  // same asset as standardButtonForeground
  static platform::ui::Color standardDarkButtonForegroundForDarkAppearance();
  static platform::ui::Color standardKeyboardBackground();
  static platform::ui::Color standardKeyboardBackgroundForDarkAppearance();
  // White at opacity 0.001: invisible, yet views filled with it still get touches.
  static platform::ui::Color clearInteractable();

  // In the dark scheme the backgrounds take the "ForColorSchemeBug" assets.
  static platform::ui::Color standardButtonBackground(const KeyboardContext& context);
  static platform::ui::Color standardButtonForeground(const KeyboardContext& context);
  static platform::ui::Color standardButtonShadow(const KeyboardContext& context);
  static platform::ui::Color standardDarkButtonBackground(const KeyboardContext& context);
  static platform::ui::Color standardDarkButtonForeground(const KeyboardContext& context);
};

// A colour with red, green and blue each drawn uniformly from
// [lower, upper], and an opacity drawn from [0, 1] when asked for, else 1.
// For previews.
platform::ui::Color randomColor(double lower = 0, double upper = 1, bool randomOpacity = false);

// The characters (grapheme clusters) of the text, each as a string.
std::vector<std::string> chars(std::string_view text);

}  // namespace keyloom
