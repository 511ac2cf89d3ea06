#include "keyloom/layout/KeyboardLayoutItemWidth.h"

namespace keyloom {

namespace width = keyboard_layout_item_width;

std::optional<double> frameWidth(const KeyboardLayoutItemWidth& itemWidth, double keyboardWidth, double inputWidth,
                                 double horizontalInsets) {
  if (auto p = itemWidth.get<width::InputPercentage>()) return p->fraction * inputWidth - horizontalInsets;
  if (auto p = itemWidth.get<width::Percentage>()) return p->fraction * keyboardWidth - horizontalInsets;
  if (auto p = itemWidth.get<width::Points>()) return p->width - horizontalInsets;
  if (itemWidth.is<width::Input>()) return inputWidth - horizontalInsets;
  return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, const KeyboardLayoutItemWidth& itemWidth) {
  out << itemWidth.caseName();
  if (auto p = itemWidth.get<width::InputPercentage>()) out << "(" << p->fraction << ")";
  if (auto p = itemWidth.get<width::Percentage>()) out << "(" << p->fraction << ")";
  if (auto p = itemWidth.get<width::Points>()) out << "(" << p->width << ")";
  return out;
}

}  // namespace keyloom
