#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/ViewDefinition.h"

namespace platform::ui {

// Builder functions for the primitive views. Absent spacing means
// defaultSpacing; every container keeps its children in order.

View EmptyView();
// Verbatim text: never looked up as a localisation key.
View Text(std::string text);
View LinearGradient(std::vector<Color> colors, UnitPoint startPoint, UnitPoint endPoint);

View VStack(HorizontalAlignment alignment, std::optional<double> spacing, std::vector<View> children);
View VStack(std::vector<View> children);
View HStack(VerticalAlignment alignment, std::optional<double> spacing, std::vector<View> children);
View HStack(std::vector<View> children);
View LazyVStack(HorizontalAlignment alignment, std::optional<double> spacing,
                std::vector<View> children);
View LazyHStack(VerticalAlignment alignment, std::optional<double> spacing,
                std::vector<View> children);
// Overlapping children, first at the back.
View ZStack(Alignment alignment, std::vector<View> children);
View ZStack(std::vector<View> children);

View Spacer(std::optional<double> minLength = std::nullopt);
View Divider();
// Children laid out by the container the group stands in.
View Group(std::vector<View> children);

// Shows `then` when the condition holds, else `otherwise`. The two branches
// have different identities: switching gives the new branch fresh state.
View If(bool condition, View then, View otherwise = View());
// The view when there is one, else nothing.
View OptionalView(std::optional<View> view);

// One child per (id, view); children keep their state across evaluations by
// id, wherever they move. Ids should be unique; repeated ids are matched to
// the previous evaluation's children in order.
View ForEach(std::vector<std::pair<ViewId, View>> entries);
template <class Item, class IdOf, class Build>
View ForEach(const std::vector<Item>& items, IdOf idOf, Build build) {
  std::vector<std::pair<ViewId, View>> entries;
  entries.reserve(items.size());
  for (const auto& item : items) entries.emplace_back(ViewId(idOf(item)), View(build(item)));
  return ForEach(std::move(entries));
}
// Children for 0..<count, identified by their index.
View ForEachIndex(std::size_t count, const std::function<View(std::size_t)>& build);

// A button: its label shown through the button style in the environment.
View Button(std::function<void()> action, View label);
View Button(std::string title, std::function<void()> action);
// Opens `url` through the environment's openURL action when tapped.
View Link(View label, std::string url);
View Label(View title, View icon);
View Label(std::string title, Image icon);

View ScrollView(Axis axis, bool showsIndicators, View content);
// A grid of fixed or flexible rows, filled column by column.
View LazyHGrid(std::vector<GridItem> rows, VerticalAlignment alignment,
               std::optional<double> spacing, std::vector<View> children);
// A grid of fixed or flexible columns, filled row by row.
View LazyVGrid(std::vector<GridItem> columns, HorizontalAlignment alignment,
               std::optional<double> spacing, std::vector<View> children);
// Content built from the reader's size and frames.
View GeometryReader(std::function<View(const GeometryProxy&)> content);
// A control showing `label` that offers `items` when opened; a plain tap
// runs `primaryAction` when given.
View Menu(View label, View items, std::function<void()> primaryAction = {});
// A platform view inside the tree.
View Representable(std::shared_ptr<const ViewRepresentable> representable);

}  // namespace platform::ui
