#pragma once

#include <array>
#include <string_view>

namespace platform::ui {

enum class ColorScheme { light, dark };

inline constexpr std::array<std::string_view, 2> colorSchemeNames = {"light", "dark"};

inline std::string_view name(ColorScheme scheme) {
  return colorSchemeNames[static_cast<std::size_t>(scheme)];
}

}  // namespace platform::ui
