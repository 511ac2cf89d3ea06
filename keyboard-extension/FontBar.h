#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "keyboard-extension/ThemePalette.h"
#include "platform/ui/View.h"

namespace zandorelle {

// The row of font names above the product keyboard: each name is the word
// "Font" written in that font, a divider between two names, 20 points free at
// both ends. The row scrolls sideways when it is wider than the bar. With a
// theme the bar is painted in the theme's first colour (c0) and the names in
// white; without one it has no background and default-coloured names.
class FontBar {
 public:
  static constexpr double height = 40;
  static constexpr double endSpacing = 20;

  // `select` is called with a name's index when the name is tapped.
  FontBar(std::vector<std::string> names, std::optional<Theme> theme, std::function<void(int)> select);

  platform::ui::View body() const;

 private:
  platform::ui::View item(std::size_t index) const;

  std::vector<std::string> names_;
  std::optional<Theme> theme_;
  std::function<void(int)> select_;
};

}  // namespace zandorelle
