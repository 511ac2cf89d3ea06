#include "keyboard-extension/FontBar.h"

#include "platform/ui/Primitives.h"

namespace zandorelle {

using platform::ui::Axis;
using platform::ui::Color;
using platform::ui::View;

FontBar::FontBar(std::vector<std::string> names, std::optional<Theme> theme, std::function<void(int)> select)
    : names_(std::move(names)), theme_(std::move(theme)), select_(std::move(select)) {}

View FontBar::item(std::size_t index) const {
  auto select = select_;
  const int font = static_cast<int>(index);
  View name = platform::ui::Text(names_[index])
                  .foregroundColor(theme_ ? std::optional(Color::white()) : std::nullopt)
                  .onTapGesture([select, font] {
                    if (select) select(font);
                  });
  const bool isLast = index + 1 == names_.size();
  return platform::ui::Group({name, platform::ui::If(!isLast, platform::ui::Divider())});
}

View FontBar::body() const {
  using platform::ui::HorizontalAlignment;
  using platform::ui::VerticalAlignment;
  View row = platform::ui::HStack(VerticalAlignment::center, std::nullopt,
                                  {platform::ui::Spacer().frame(endSpacing, std::nullopt),
                                   platform::ui::ForEachIndex(names_.size(), [this](std::size_t i) { return item(i); }),
                                   platform::ui::Spacer().frame(endSpacing, std::nullopt)})
                 // A swipe that starts between two names still scrolls.
                 .contentShape(platform::ui::Rectangle());
  View bar = platform::ui::HStack(VerticalAlignment::center, 0,
                                  {platform::ui::ScrollView(Axis::horizontal, false, row).frame(std::nullopt, height)});
  if (theme_) return bar.background(themeColor(*theme_, 0));
  return bar;
}

}  // namespace zandorelle
