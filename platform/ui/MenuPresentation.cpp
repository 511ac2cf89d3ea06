#include "platform/ui/MenuPresentation.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/ui/ButtonStyle.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/Shape.h"

namespace platform::ui {

namespace {

constexpr double dividerThickness = 1;  // as the layout gives a divider in a stack

// A row that darkens while the finger is on it.
class MenuEntryStyle : public ButtonStyle {
 public:
  View makeBody(const ButtonStyleConfiguration& configuration, BodyContext& /*context*/) const override {
    static const Color pressed = Color::adaptive(Color::white(0, 0.12), Color::white(1, 0.16));
    return configuration.label.background(configuration.isPressed ? View(pressed) : View(Color::clear()));
  }
  std::string description() const override { return "menuEntry"; }
};

void collectEntries(const Node& node, std::vector<MenuPresentation::Entry>& entries) {
  if (auto* button = node.content<ButtonContent>()) {
    const auto& children = node.definition().children;
    entries.push_back({children.empty() ? EmptyView() : children.front(), button->action, false});
    return;
  }
  if (node.kind() == NodeKind::divider) {
    if (!entries.empty()) entries.back().dividerAfter = true;
    return;
  }
  for (const auto& child : node.children()) collectEntries(*child, entries);
}

}  // namespace

std::vector<MenuPresentation::Entry> MenuPresentation::entriesOf(const Node& menu) {
  std::vector<Entry> entries;
  for (const auto& items : menu.children(NodeRole::menuItems)) collectEntries(*items, entries);
  // A divider closing the list separates nothing.
  if (!entries.empty()) entries.back().dividerAfter = false;
  return entries;
}

Rect MenuPresentation::panelFrame() const {
  double contentHeight = 0;
  for (const auto& entry : entries) contentHeight += rowHeight + (entry.dividerAfter ? dividerThickness : 0);
  const double width = std::max(0.0, std::min(maximumWidth, bounds.width() - 2 * margin));
  const double height = std::max(0.0, std::min(contentHeight, bounds.height() - 2 * margin));
  const double x = std::clamp(anchor.midX() - width / 2, bounds.minX() + margin,
                              std::max(bounds.minX() + margin, bounds.maxX() - margin - width));
  // Above the menu where it fits, else as high as the view allows.
  const double y = std::max(bounds.minY() + margin, anchor.minY() - margin - height);
  return Rect(Point{x, y}, Size{width, height});
}

View MenuPresentation::body(BodyContext& /*context*/) const {
  static const auto entryStyle = std::make_shared<const MenuEntryStyle>();
  static const Color backdrop = Color::adaptive(Color::white(0, 0.18), Color::white(0, 0.4));
  static const Color panel = Color::adaptive(Color::white(0.98), Color::white(0.22));
  const Rect frame = panelFrame();
  const auto close = dismiss;

  std::vector<View> rows;
  for (const auto& entry : entries) {
    auto action = entry.action;
    View label = entry.label.lineLimit(1)
                     .frame(FlexibleFrame{.maxWidth = infinity, .alignment = Alignment::leading()})
                     .padding(EdgeSet::horizontal(), 16)
                     .frame(std::nullopt, rowHeight)
                     .contentShape(Rectangle());
    // Closed first: what the entry does may rebuild the view the menu is on.
    rows.push_back(Button(
                       [close, action] {
                         if (close) close();
                         if (action) action();
                       },
                       std::move(label))
                       .buttonStyle(entryStyle));
    if (entry.dividerAfter) rows.push_back(Divider());
  }
  View list = ScrollView(Axis::vertical, false, VStack(HorizontalAlignment::leading, 0, std::move(rows)));
  View panelView = std::move(list)
                       .frame(frame.width(), frame.height())
                       .font(Font::system(fontSize))
                       .foregroundColor(Color::primary())
                       .background(View(panel))
                       .cornerRadius(12)
                       .shadow(Color::white(0, 0.3), 10, 0, 2)
                       .offset(frame.minX() - bounds.minX(), frame.minY() - bounds.minY());
  View backdropView = View(backdrop).contentShape(Rectangle()).onTapGesture([close] {
    if (close) close();
  });
  return ZStack(Alignment::topLeading(), {std::move(backdropView), std::move(panelView)})
      .colorScheme(colorScheme)
      .accessibilityIdentifier("menu.presentation");
}

}  // namespace platform::ui
