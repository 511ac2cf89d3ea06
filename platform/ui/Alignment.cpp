#include "platform/ui/Alignment.h"

#include "platform/ui/Color.h"

namespace platform::ui {

std::string_view name(HorizontalAlignment alignment) {
  return horizontalAlignmentNames[static_cast<std::size_t>(alignment)];
}

std::string_view name(VerticalAlignment alignment) {
  return verticalAlignmentNames[static_cast<std::size_t>(alignment)];
}

std::string Alignment::description() const {
  if (vertical == VerticalAlignment::center) return std::string(name(horizontal));
  if (horizontal == HorizontalAlignment::center) return std::string(name(vertical));
  std::string text(name(vertical));
  std::string side(name(horizontal));
  side[0] = static_cast<char>(side[0] - 'a' + 'A');
  return text + side;
}

std::string UnitPoint::description() const {
  for (auto [point, label] : {std::pair{center(), "center"}, {top(), "top"}, {bottom(), "bottom"},
                              {leading(), "leading"}, {trailing(), "trailing"},
                              {topLeading(), "topLeading"}, {topTrailing(), "topTrailing"},
                              {bottomLeading(), "bottomLeading"},
                              {bottomTrailing(), "bottomTrailing"}}) {
    if (point == *this) return label;
  }
  return "(" + formatNumber(x) + ", " + formatNumber(y) + ")";
}

}  // namespace platform::ui
