#include "platform/ui/Primitives.h"

#include "platform/ui/BlockPool.h"

namespace platform::ui {

namespace {
View make(ViewContent content, std::vector<View> children = {}) {
  auto definition = makeShared<ViewDefinition>();
  definition->content = std::move(content);
  definition->children = std::move(children);
  return View(std::move(definition));
}
}  // namespace

View AnyShape::fill(std::optional<Color> color, FillStyle style) const {
  return make(ShapeContent{*this, ShapeDrawing::fill, color, style, {}});
}

View AnyShape::stroke(std::optional<Color> color, StrokeStyle style) const {
  return make(ShapeContent{*this, ShapeDrawing::stroke, color, {}, std::move(style)});
}

View AnyShape::strokeBorder(std::optional<Color> color, StrokeStyle style) const {
  return make(ShapeContent{*this, ShapeDrawing::strokeBorder, color, {}, std::move(style)});
}

View EmptyView() { return View(); }

View Text(std::string text) { return make(TextContent{std::move(text)}); }

View LinearGradient(std::vector<Color> colors, UnitPoint startPoint, UnitPoint endPoint) {
  return make(LinearGradientContent{std::move(colors), startPoint, endPoint});
}

View VStack(HorizontalAlignment alignment, std::optional<double> spacing, std::vector<View> children) {
  return make(VStackContent{alignment, spacing, false}, std::move(children));
}

View VStack(std::vector<View> children) {
  return VStack(HorizontalAlignment::center, std::nullopt, std::move(children));
}

View HStack(VerticalAlignment alignment, std::optional<double> spacing, std::vector<View> children) {
  return make(HStackContent{alignment, spacing, false}, std::move(children));
}

View HStack(std::vector<View> children) {
  return HStack(VerticalAlignment::center, std::nullopt, std::move(children));
}

View LazyVStack(HorizontalAlignment alignment, std::optional<double> spacing,
                std::vector<View> children) {
  return make(VStackContent{alignment, spacing, true}, std::move(children));
}

View LazyHStack(VerticalAlignment alignment, std::optional<double> spacing,
                std::vector<View> children) {
  return make(HStackContent{alignment, spacing, true}, std::move(children));
}

View ZStack(Alignment alignment, std::vector<View> children) {
  return make(ZStackContent{alignment}, std::move(children));
}

View ZStack(std::vector<View> children) { return ZStack(Alignment::center(), std::move(children)); }

View Spacer(std::optional<double> minLength) { return make(SpacerContent{minLength}); }

View Divider() { return make(DividerContent{}); }

View Group(std::vector<View> children) { return make(GroupContent{}, std::move(children)); }

View If(bool condition, View then, View otherwise) {
  return make(ConditionalContent{condition}, {std::move(then), std::move(otherwise)});
}

View OptionalView(std::optional<View> view) {
  bool present = view.has_value();
  return If(present, present ? std::move(*view) : View());
}

View ForEach(std::vector<std::pair<ViewId, View>> entries) {
  ForEachContent content;
  std::vector<View> children;
  content.ids.reserve(entries.size());
  children.reserve(entries.size());
  for (auto& [id, view] : entries) {
    content.ids.push_back(std::move(id));
    children.push_back(std::move(view));
  }
  return make(std::move(content), std::move(children));
}

View ForEachIndex(std::size_t count, const std::function<View(std::size_t)>& build) {
  std::vector<std::pair<ViewId, View>> entries;
  entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) entries.emplace_back(ViewId(i), build(i));
  return ForEach(std::move(entries));
}

View Button(std::function<void()> action, View label) {
  return make(ButtonContent{std::move(action)}, {std::move(label)});
}

View Button(std::string title, std::function<void()> action) {
  return Button(std::move(action), Text(std::move(title)));
}

View Link(View label, std::string url) { return make(LinkContent{std::move(url)}, {std::move(label)}); }

View Label(View title, View icon) { return make(LabelContent{}, {std::move(title), std::move(icon)}); }

View Label(std::string title, Image icon) { return Label(Text(std::move(title)), View(icon)); }

View ScrollView(Axis axis, bool showsIndicators, View content) {
  return make(ScrollViewContent{axis, showsIndicators}, {std::move(content)});
}

View LazyHGrid(std::vector<GridItem> rows, VerticalAlignment alignment,
               std::optional<double> spacing, std::vector<View> children) {
  Alignment gridAlignment{HorizontalAlignment::center, alignment};
  return make(GridContent{Axis::horizontal, std::move(rows), gridAlignment, spacing},
              std::move(children));
}

View LazyVGrid(std::vector<GridItem> columns, HorizontalAlignment alignment,
               std::optional<double> spacing, std::vector<View> children) {
  Alignment gridAlignment{alignment, VerticalAlignment::center};
  return make(GridContent{Axis::vertical, std::move(columns), gridAlignment, spacing},
              std::move(children));
}

View GeometryReader(std::function<View(const GeometryProxy&)> content) {
  return make(GeometryReaderContent{std::move(content)});
}

View Menu(View label, View items, std::function<void()> primaryAction) {
  return make(MenuContent{std::move(primaryAction)}, {std::move(label), std::move(items)});
}

View Representable(std::shared_ptr<const ViewRepresentable> representable) {
  return make(RepresentableContent{std::move(representable)});
}

}  // namespace platform::ui
