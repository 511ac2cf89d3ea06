#include "platform/ui/View.h"

#include "platform/ui/BlockPool.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/ViewDefinition.h"

namespace platform::ui {

namespace {

std::shared_ptr<const ViewDefinition> emptyDefinition() {
  static const auto definition = std::make_shared<const ViewDefinition>();
  return definition;
}

std::shared_ptr<const ViewDefinition> definitionWith(ViewContent content) {
  auto definition = makeShared<ViewDefinition>();
  definition->content = std::move(content);
  return definition;
}

std::string named(const std::string& label, double value) { return label + ": " + formatNumber(value); }

// "(a, b)" from the non-empty parts, or "" when there are none.
std::string arguments(const std::vector<std::string>& parts) {
  std::string text;
  for (const auto& part : parts) {
    if (part.empty()) continue;
    text += text.empty() ? "(" : ", ";
    text += part;
  }
  return text.empty() ? text : text + ")";
}

std::string alignmentPart(const Alignment& alignment) {
  return alignment == Alignment::center() ? "" : "alignment: " + alignment.description();
}

std::string optionalPart(const std::string& label, const std::optional<double>& value) {
  return value ? named(label, *value) : "";
}

std::string paddingDescription(const EdgeInsets& insets) {
  if (insets.top == insets.leading && insets.top == insets.bottom && insets.top == insets.trailing) {
    return "padding(" + formatNumber(insets.top) + ")";
  }
  return "padding" + arguments({insets.top != 0 ? named("top", insets.top) : "",
                                insets.leading != 0 ? named("leading", insets.leading) : "",
                                insets.bottom != 0 ? named("bottom", insets.bottom) : "",
                                insets.trailing != 0 ? named("trailing", insets.trailing) : ""});
}

std::string traitName(AccessibilityTrait trait) {
  static constexpr const char* names[] = {"isButton", "isHeader", "isImage", "isSelected", "isStaticText"};
  return names[static_cast<int>(trait)];
}

}  // namespace

// --- Modifier ------------------------------------------------------------------

const View* Modifier::layerContent() const {
  if (auto* m = as<Background>()) return &m->content;
  if (auto* m = as<Overlay>()) return &m->content;
  if (auto* m = as<Mask>()) return &m->content;
  if (auto* m = as<ContextMenu>()) return &m->items;
  return nullptr;
}

std::string EnvironmentWrite::valueDescription() const {
  if (!describeValue) return value;
  EnvironmentValues written;
  if (apply) apply(written);
  return describeValue(written);
}

std::string Modifier::description() const {
  return std::visit(
      [](const auto& m) -> std::string {
        using M = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<M, Padding>) {
          return paddingDescription(m.insets);
        } else if constexpr (std::is_same_v<M, Frame>) {
          return "frame" + arguments({optionalPart("width", m.width), optionalPart("height", m.height),
                                      alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, FlexibleFrame>) {
          return "frame" +
                 arguments({optionalPart("minWidth", m.minWidth), optionalPart("idealWidth", m.idealWidth),
                            optionalPart("maxWidth", m.maxWidth), optionalPart("minHeight", m.minHeight),
                            optionalPart("idealHeight", m.idealHeight),
                            optionalPart("maxHeight", m.maxHeight), alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, Offset>) {
          return "offset(" + named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, Position>) {
          return "position(" + named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, ScaleEffect>) {
          std::string scale = m.scale.width == m.scale.height
                                  ? formatNumber(m.scale.width)
                                  : named("x", m.scale.width) + ", " + named("y", m.scale.height);
          return "scaleEffect" +
                 arguments(
                     {scale, m.anchor == UnitPoint::center() ? "" : "anchor: " + m.anchor.description()});
        } else if constexpr (std::is_same_v<M, Rotation3DEffect>) {
          return "rotation3DEffect(" + formatNumber(m.angle.radians()) + ", axis: (" + formatNumber(m.axisX) +
                 ", " + formatNumber(m.axisY) + ", " + formatNumber(m.axisZ) + "), " +
                 named("perspective", m.perspective) + ")";
        } else if constexpr (std::is_same_v<M, Resizable>) {
          return m.mode == ResizingMode::tile ? "resizable(mode: tile)" : "resizable";
        } else if constexpr (std::is_same_v<M, AspectRatio>) {
          return "aspectRatio" +
                 arguments(
                     {optionalPart("ratio", m.ratio),
                      "contentMode: " + std::string(contentModeNames[static_cast<std::size_t>(m.mode)])});
        } else if constexpr (std::is_same_v<M, Background>) {
          return "background" + arguments({alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, Overlay>) {
          return "overlay" + arguments({alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, Mask>) {
          return "mask" + arguments({alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, ContextMenu>) {
          return "contextMenu";
        } else if constexpr (std::is_same_v<M, Opacity>) {
          return "opacity(" + formatNumber(m.value) + ")";
        } else if constexpr (std::is_same_v<M, Shadow>) {
          return "shadow(color: " + m.color.description() + ", " + named("radius", m.radius) + ", " +
                 named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, CornerRadius>) {
          return "cornerRadius(" + formatNumber(m.radius) + (m.antialiased ? ")" : ", antialiased: false)");
        } else if constexpr (std::is_same_v<M, ClipShape>) {
          return "clipShape" + arguments({m.shape.description(), m.style.evenOdd ? "evenOdd" : "",
                                          m.style.antialiased ? "" : "antialiased: false"});
        } else if constexpr (std::is_same_v<M, Clipped>) {
          return m.antialiased ? "clipped(antialiased: true)" : "clipped";
        } else if constexpr (std::is_same_v<M, CompositingGroup>) {
          return "compositingGroup";
        } else if constexpr (std::is_same_v<M, Hidden>) {
          return "hidden";
        } else if constexpr (std::is_same_v<M, EnvironmentWrite>) {
          std::string value = m.valueDescription();
          return value.empty() ? m.name : m.name + "(" + value + ")";
        } else if constexpr (std::is_same_v<M, ContentShape>) {
          return "contentShape(" + m.shape.description() + ")";
        } else if constexpr (std::is_same_v<M, AllowsHitTesting>) {
          return std::string("allowsHitTesting(") + (m.enabled ? "true" : "false") + ")";
        } else if constexpr (std::is_same_v<M, GestureAttachment>) {
          std::string label = m.priority == GesturePriority::simultaneous ? "simultaneousGesture"
                              : m.priority == GesturePriority::high       ? "highPriorityGesture"
                                                                          : "gesture";
          return label +
                 arguments(
                     {m.gesture ? m.gesture->description() : "none",
                      m.mask == GestureMask::all
                          ? ""
                          : "including: " + std::string(gestureMaskNames[static_cast<std::size_t>(m.mask)])});
        } else if constexpr (std::is_same_v<M, TapAction>) {
          return m.count == 1 ? "onTapGesture" : "onTapGesture(count: " + std::to_string(m.count) + ")";
        } else if constexpr (std::is_same_v<M, CoordinateSpaceName>) {
          return "coordinateSpace(\"" + m.name + "\")";
        } else if constexpr (std::is_same_v<M, ExplicitId>) {
          return "id(" + m.id.description() + ")";
        } else if constexpr (std::is_same_v<M, AppearAction>) {
          return "onAppear";
        } else if constexpr (std::is_same_v<M, DisappearAction>) {
          return "onDisappear";
        } else if constexpr (std::is_same_v<M, ChangeHook>) {
          return "onChange";
        } else if constexpr (std::is_same_v<M, AnimationRecord>) {
          return "animation(" + (m.animation ? m.animation->description() : "nil") + ")";
        } else if constexpr (std::is_same_v<M, TransitionRecord>) {
          return "transition(" + m.transition.name + ")";
        } else if constexpr (std::is_same_v<M, AccessibilityLabel>) {
          return "accessibilityLabel(\"" + m.label + "\")";
        } else if constexpr (std::is_same_v<M, AccessibilityIdentifier>) {
          return "accessibilityIdentifier(\"" + m.identifier + "\")";
        } else if constexpr (std::is_same_v<M, AccessibilityTraits>) {
          return "accessibilityAddTraits(" + traitName(m.trait) + ")";
        } else {
          static_assert(std::is_same_v<M, Attachment>);
          return "attach(" + (m.description.empty() ? readableTypeName(m.value.type()) : m.description) + ")";
        }
      },
      *value);
}

// --- View ----------------------------------------------------------------------

View::View() : definition_(emptyDefinition()) {}

View::View(std::shared_ptr<const ViewDefinition> definition)
    : definition_(definition ? std::move(definition) : emptyDefinition()) {}

View::View(const Color& color) : definition_(definitionWith(ColorContent{color})) {}

View::View(const AnyShape& shape)
    : definition_(definitionWith(ShapeContent{shape, ShapeDrawing::fill, {}, {}, {}})) {}

View::View(const Image& image) : definition_(definitionWith(ImageContent{image})) {}

namespace {
// A body given as a function.
class FunctionBody final : public CompositeBody {
 public:
  explicit FunctionBody(std::function<View(BodyContext&)> body) : body_(std::move(body)) {}
  View evaluate(BodyContext& context) const override { return body_(context); }

 private:
  std::function<View(BodyContext&)> body_;
};
}  // namespace

View View::composite(const std::type_info& type, std::function<View(BodyContext&)> body) {
  return composite(type, std::make_shared<const FunctionBody>(std::move(body)));
}

View View::composite(const std::type_info& type, std::shared_ptr<const CompositeBody> body) {
  return composite(type, internedTypeName(type), std::move(body));
}

View View::composite(const std::type_info& type, std::string_view typeName,
                     std::shared_ptr<const CompositeBody> body) {
  return View(definitionWith(CompositeContent{std::type_index(type), typeName, std::move(body)}));
}

bool View::isEmpty() const {
  return std::holds_alternative<EmptyContent>(definition_->content) && definition_->modifiers.empty();
}

namespace {

// Contents that are plain data compare by value; the rest (closures, shapes,
// representables) only by being the same definition.
bool sameContent(const ViewContent& a, const ViewContent& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&b](const auto& first) {
        using C = std::decay_t<decltype(first)>;
        const C& second = std::get<C>(b);
        if constexpr (std::is_same_v<C, CompositeContent>) {
          return first.type == second.type &&
                 (first.body == second.body || (first.body && second.body && first.body->sameValue(*second.body)));
        } else if constexpr (std::is_same_v<C, TextContent>) {
          return first.text == second.text;
        } else if constexpr (std::is_same_v<C, ImageContent>) {
          return first.image == second.image;
        } else if constexpr (std::is_same_v<C, ColorContent>) {
          return first.color == second.color;
        } else if constexpr (std::is_same_v<C, VStackContent> || std::is_same_v<C, HStackContent>) {
          return first.alignment == second.alignment && first.spacing == second.spacing && first.lazy == second.lazy;
        } else if constexpr (std::is_same_v<C, ZStackContent>) {
          return first.alignment == second.alignment;
        } else if constexpr (std::is_same_v<C, SpacerContent>) {
          return first.minLength == second.minLength;
        } else if constexpr (std::is_same_v<C, ForEachContent>) {
          return first.ids == second.ids;
        } else if constexpr (std::is_same_v<C, ConditionalContent>) {
          return first.condition == second.condition;
        } else if constexpr (std::is_same_v<C, EmptyContent> || std::is_same_v<C, DividerContent> ||
                             std::is_same_v<C, GroupContent>) {
          return true;
        } else {
          return false;
        }
      },
      a);
}

template <class L>
bool sameLayerModifier(const L& a, const L& b) {
  return a.alignment == b.alignment && a.content == b.content;
}

bool sameModifier(const Modifier& a, const Modifier& b) {
  if (a.value == b.value) return true;
  if (a.value->index() != b.value->index()) return false;
  return std::visit(
      [&b](const auto& first) {
        using M = std::decay_t<decltype(first)>;
        const M& second = *b.as<M>();
        if constexpr (std::is_same_v<M, Padding>) {
          return first.insets == second.insets;
        } else if constexpr (std::is_same_v<M, Frame>) {
          return first.width == second.width && first.height == second.height && first.alignment == second.alignment;
        } else if constexpr (std::is_same_v<M, FlexibleFrame>) {
          return first == second;
        } else if constexpr (std::is_same_v<M, Offset> || std::is_same_v<M, Position>) {
          return first.x == second.x && first.y == second.y;
        } else if constexpr (std::is_same_v<M, ScaleEffect>) {
          return first.scale == second.scale && first.anchor == second.anchor;
        } else if constexpr (std::is_same_v<M, Background> || std::is_same_v<M, Overlay> ||
                             std::is_same_v<M, Mask>) {
          return sameLayerModifier(first, second);
        } else if constexpr (std::is_same_v<M, Opacity>) {
          return first.value == second.value;
        } else if constexpr (std::is_same_v<M, Shadow>) {
          return first.color == second.color && first.radius == second.radius && first.x == second.x &&
                 first.y == second.y;
        } else if constexpr (std::is_same_v<M, CornerRadius>) {
          return first.radius == second.radius && first.antialiased == second.antialiased;
        } else if constexpr (std::is_same_v<M, Clipped>) {
          return first.antialiased == second.antialiased;
        } else if constexpr (std::is_same_v<M, AllowsHitTesting>) {
          return first.enabled == second.enabled;
        } else if constexpr (std::is_same_v<M, CoordinateSpaceName>) {
          return first.name == second.name;
        } else if constexpr (std::is_same_v<M, ExplicitId>) {
          return first.id == second.id;
        } else if constexpr (std::is_same_v<M, AccessibilityLabel>) {
          return first.label == second.label;
        } else if constexpr (std::is_same_v<M, AccessibilityIdentifier>) {
          return first.identifier == second.identifier;
        } else if constexpr (std::is_same_v<M, AccessibilityTraits>) {
          return first.trait == second.trait;
        } else if constexpr (std::is_same_v<M, CompositingGroup> || std::is_same_v<M, Hidden>) {
          return true;
        } else {
          return false;
        }
      },
      *a.value);
}

}  // namespace

bool View::operator==(const View& other) const {
  if (definition_ == other.definition_) return true;
  const ViewDefinition& a = *definition_;
  const ViewDefinition& b = *other.definition_;
  if (a.children.size() != b.children.size() || a.modifiers.size() != b.modifiers.size()) return false;
  if (!sameContent(a.content, b.content)) return false;
  for (std::size_t i = 0; i < a.modifiers.size(); ++i) {
    if (!sameModifier(a.modifiers[i], b.modifiers[i])) return false;
  }
  for (std::size_t i = 0; i < a.children.size(); ++i) {
    if (!(a.children[i] == b.children[i])) return false;
  }
  return true;
}

// A modifier on a temporary view whose definition nothing else shares adds
// to that definition; otherwise the definition is copied.
View View::withModifier(Modifier modifier) && {
  std::shared_ptr<ViewDefinition> definition;
  if (definition_.use_count() == 1 && definition_ != emptyDefinition()) {
    definition = std::const_pointer_cast<ViewDefinition>(std::move(definition_));
  } else {
    definition = makeShared<ViewDefinition>();
    definition->content = definition_->content;
    definition->children = definition_->children;
    definition->modifiers.reserve(definition_->modifiers.size() + 1);
    definition->modifiers.insert(definition->modifiers.end(), definition_->modifiers.begin(),
                                 definition_->modifiers.end());
  }
  // Views usually get several modifiers in a row.
  if (definition->modifiers.capacity() == 0) definition->modifiers.reserve(4);
  definition->modifiers.push_back(std::move(modifier));
  return View(std::move(definition));
}

View View::withEnvironment(std::string name, std::string value,
                           std::function<void(EnvironmentValues&)> apply) && {
  return std::move(*this).withModifier(
      {EnvironmentWrite{std::move(name), std::move(value), std::move(apply)}});
}

View View::withDescribedEnvironment(std::string name, std::string (*describeValue)(const EnvironmentValues&),
                                    std::function<void(EnvironmentValues&)> apply) && {
  return std::move(*this).withModifier(
      {EnvironmentWrite{std::move(name), "", std::move(apply), describeValue}});
}

View View::withChangeHook(ChangeHook hook) && { return std::move(*this).withModifier({std::move(hook)}); }

View View::withAnimationRecord(std::optional<Animation> animation, WatchedValue value) && {
  return std::move(*this).withModifier({AnimationRecord{animation, std::move(value)}});
}

View View::withAttachment(std::any value, std::string description) && {
  return std::move(*this).withModifier({Attachment{std::move(value), std::move(description)}});
}

View View::padding(double length) const& { return View(*this).padding(length); }
View View::padding(double length) && { return std::move(*this).padding(EdgeInsets(length)); }

View View::padding(EdgeSet edges, std::optional<double> length) const& {
  return View(*this).padding(edges, length);
}
View View::padding(EdgeSet edges, std::optional<double> length) && {
  double value = length.value_or(defaultPadding);
  auto side = [&](Edge edge) { return edges.contains(edge) ? value : 0.0; };
  return std::move(*this).padding(
      EdgeInsets(side(Edge::top), side(Edge::leading), side(Edge::bottom), side(Edge::trailing)));
}

View View::padding(EdgeInsets insets) const& { return View(*this).padding(insets); }
View View::padding(EdgeInsets insets) && { return std::move(*this).withModifier({Padding{insets}}); }

View View::frame(std::optional<double> width, std::optional<double> height, Alignment alignment) const& {
  return View(*this).frame(width, height, alignment);
}
View View::frame(std::optional<double> width, std::optional<double> height, Alignment alignment) && {
  return std::move(*this).withModifier({Frame{width, height, alignment}});
}

View View::frame(const FlexibleFrame& frame) const& { return View(*this).frame(frame); }
View View::frame(const FlexibleFrame& frame) && { return std::move(*this).withModifier({frame}); }

View View::offset(double x, double y) const& { return View(*this).offset(x, y); }
View View::offset(double x, double y) && { return std::move(*this).withModifier({Offset{x, y}}); }

View View::position(double x, double y) const& { return View(*this).position(x, y); }
View View::position(double x, double y) && { return std::move(*this).withModifier({Position{x, y}}); }

View View::scaleEffect(double scale, UnitPoint anchor) const& {
  return View(*this).scaleEffect(scale, anchor);
}
View View::scaleEffect(double scale, UnitPoint anchor) && {
  return std::move(*this).scaleEffect(Size{scale, scale}, anchor);
}

View View::scaleEffect(Size scale, UnitPoint anchor) const& { return View(*this).scaleEffect(scale, anchor); }
View View::scaleEffect(Size scale, UnitPoint anchor) && {
  return std::move(*this).withModifier({ScaleEffect{scale, anchor}});
}

View View::rotation3DEffect(Angle angle, double axisX, double axisY, double axisZ, UnitPoint anchor,
                            double anchorZ, double perspective) const& {
  return View(*this).rotation3DEffect(angle, axisX, axisY, axisZ, anchor, anchorZ, perspective);
}
View View::rotation3DEffect(Angle angle, double axisX, double axisY, double axisZ, UnitPoint anchor,
                            double anchorZ, double perspective) && {
  return std::move(*this).withModifier(
      {Rotation3DEffect{angle, axisX, axisY, axisZ, anchor, anchorZ, perspective}});
}

View View::resizable(EdgeInsets capInsets, ResizingMode mode) const& {
  return View(*this).resizable(capInsets, mode);
}
View View::resizable(EdgeInsets capInsets, ResizingMode mode) && {
  return std::move(*this).withModifier({Resizable{capInsets, mode}});
}

View View::aspectRatio(std::optional<double> ratio, ContentMode mode) const& {
  return View(*this).aspectRatio(ratio, mode);
}
View View::aspectRatio(std::optional<double> ratio, ContentMode mode) && {
  return std::move(*this).withModifier({AspectRatio{ratio, mode}});
}

View View::background(View content, Alignment alignment) const& {
  return View(*this).background(std::move(content), alignment);
}
View View::background(View content, Alignment alignment) && {
  return std::move(*this).withModifier({Background{std::move(content), alignment}});
}

View View::overlay(View content, Alignment alignment) const& {
  return View(*this).overlay(std::move(content), alignment);
}
View View::overlay(View content, Alignment alignment) && {
  return std::move(*this).withModifier({Overlay{std::move(content), alignment}});
}

View View::mask(View content, Alignment alignment) const& {
  return View(*this).mask(std::move(content), alignment);
}
View View::mask(View content, Alignment alignment) && {
  return std::move(*this).withModifier({Mask{std::move(content), alignment}});
}

View View::opacity(double opacity) const& { return View(*this).opacity(opacity); }
View View::opacity(double opacity) && { return std::move(*this).withModifier({Opacity{opacity}}); }

View View::shadow(Color color, double radius, double x, double y) const& {
  return View(*this).shadow(std::move(color), radius, x, y);
}
View View::shadow(Color color, double radius, double x, double y) && {
  return std::move(*this).withModifier({Shadow{color, radius, x, y}});
}

View View::cornerRadius(double radius, bool antialiased) const& {
  return View(*this).cornerRadius(radius, antialiased);
}
View View::cornerRadius(double radius, bool antialiased) && {
  return std::move(*this).withModifier({CornerRadius{radius, antialiased}});
}

View View::clipShape(AnyShape shape, FillStyle style) const& {
  return View(*this).clipShape(std::move(shape), style);
}
View View::clipShape(AnyShape shape, FillStyle style) && {
  return std::move(*this).withModifier({ClipShape{std::move(shape), style}});
}

View View::clipped(bool antialiased) const& { return View(*this).clipped(antialiased); }
View View::clipped(bool antialiased) && { return std::move(*this).withModifier({Clipped{antialiased}}); }

View View::compositingGroup() const& { return View(*this).compositingGroup(); }
View View::compositingGroup() && { return std::move(*this).withModifier({CompositingGroup{}}); }

View View::hidden() const& { return View(*this).hidden(); }
View View::hidden() && { return std::move(*this).withModifier({Hidden{}}); }

View View::foregroundColor(std::optional<Color> color) const& {
  return View(*this).foregroundColor(std::move(color));
}
View View::foregroundColor(std::optional<Color> color) && {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    auto color = values.get(foregroundColorKey);
    return color ? color->description() : "nil";
  };
  return std::move(*this).withDescribedEnvironment(
      "foregroundColor", describe,
      [color](EnvironmentValues& values) { values.set(foregroundColorKey, color); });
}

View View::font(std::optional<Font> font) const& { return View(*this).font(std::move(font)); }
View View::font(std::optional<Font> font) && {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    auto font = values.get(fontKey);
    return font ? font->description() : "nil";
  };
  return std::move(*this).withDescribedEnvironment(
      "font", describe, [font](EnvironmentValues& values) { values.set(fontKey, font); });
}

View View::bold(bool isActive) const& { return View(*this).bold(isActive); }
View View::bold(bool isActive) && {
  return std::move(*this).withEnvironment(
      "bold", isActive ? "" : "false",
      [isActive](EnvironmentValues& values) { values.set(boldKey, isActive); });
}

View View::lineLimit(std::optional<int> lines) const& { return View(*this).lineLimit(lines); }
View View::lineLimit(std::optional<int> lines) && {
  return std::move(*this).withEnvironment(
      "lineLimit", lines ? std::to_string(*lines) : "nil",
      [lines](EnvironmentValues& values) { values.set(lineLimitKey, lines); });
}

View View::textCase(std::optional<TextCase> textCase) const& { return View(*this).textCase(textCase); }
View View::textCase(std::optional<TextCase> textCase) && {
  std::string value = !textCase ? "nil" : *textCase == TextCase::uppercase ? "uppercase" : "lowercase";
  return std::move(*this).withEnvironment(
      "textCase", value, [textCase](EnvironmentValues& values) { values.set(textCaseKey, textCase); });
}

View View::minimumScaleFactor(double factor) const& { return View(*this).minimumScaleFactor(factor); }
View View::minimumScaleFactor(double factor) && {
  auto describe = [](const EnvironmentValues& values) {
    return formatNumber(values.get(minimumScaleFactorKey));
  };
  return std::move(*this).withDescribedEnvironment(
      "minimumScaleFactor", describe,
      [factor](EnvironmentValues& values) { values.set(minimumScaleFactorKey, factor); });
}

View View::colorScheme(ColorScheme scheme) const& { return View(*this).colorScheme(scheme); }
View View::colorScheme(ColorScheme scheme) && {
  return std::move(*this).withEnvironment(
      "colorScheme", std::string(name(scheme)),
      [scheme](EnvironmentValues& values) { values.set(colorSchemeKey, scheme); });
}

View View::buttonStyle(std::shared_ptr<const ButtonStyle> style) const& {
  return View(*this).buttonStyle(std::move(style));
}
View View::buttonStyle(std::shared_ptr<const ButtonStyle> style) && {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    const auto& style = values.get(buttonStyleKey);
    return style ? style->description() : "automatic";
  };
  return std::move(*this).withDescribedEnvironment(
      "buttonStyle", describe, [style](EnvironmentValues& values) { values.set(buttonStyleKey, style); });
}

View View::contentShape(AnyShape shape) const& { return View(*this).contentShape(std::move(shape)); }
View View::contentShape(AnyShape shape) && {
  return std::move(*this).withModifier({ContentShape{std::move(shape)}});
}

View View::allowsHitTesting(bool enabled) const& { return View(*this).allowsHitTesting(enabled); }
View View::allowsHitTesting(bool enabled) && {
  return std::move(*this).withModifier({AllowsHitTesting{enabled}});
}

View View::gesture(std::shared_ptr<const Gesture> gesture, GestureMask mask,
                   GesturePriority priority) const& {
  return View(*this).gesture(std::move(gesture), mask, priority);
}
View View::gesture(std::shared_ptr<const Gesture> gesture, GestureMask mask, GesturePriority priority) && {
  return std::move(*this).withModifier({GestureAttachment{std::move(gesture), mask, priority}});
}

View View::simultaneousGesture(std::shared_ptr<const Gesture> gesture, GestureMask mask) const& {
  return View(*this).simultaneousGesture(std::move(gesture), mask);
}
View View::simultaneousGesture(std::shared_ptr<const Gesture> gesture, GestureMask mask) && {
  return std::move(*this).gesture(std::move(gesture), mask, GesturePriority::simultaneous);
}

View View::onTapGesture(std::function<void()> action, int count) const& {
  return View(*this).onTapGesture(std::move(action), count);
}
View View::onTapGesture(std::function<void()> action, int count) && {
  return std::move(*this).withModifier({TapAction{count, std::move(action)}});
}

View View::contextMenu(View items) const& { return View(*this).contextMenu(std::move(items)); }
View View::contextMenu(View items) && {
  return std::move(*this).withModifier({ContextMenu{std::move(items)}});
}

View View::coordinateSpace(std::string name) const& { return View(*this).coordinateSpace(std::move(name)); }
View View::coordinateSpace(std::string name) && {
  return std::move(*this).withModifier({CoordinateSpaceName{std::move(name)}});
}

View View::id(ViewId id) const& { return View(*this).id(std::move(id)); }
View View::id(ViewId id) && { return std::move(*this).withModifier({ExplicitId{std::move(id)}}); }

View View::onAppear(std::function<void()> action) const& { return View(*this).onAppear(std::move(action)); }
View View::onAppear(std::function<void()> action) && {
  return std::move(*this).withModifier({AppearAction{std::move(action)}});
}

View View::onDisappear(std::function<void()> action) const& {
  return View(*this).onDisappear(std::move(action));
}
View View::onDisappear(std::function<void()> action) && {
  return std::move(*this).withModifier({DisappearAction{std::move(action)}});
}

View View::transition(Transition transition) const& { return View(*this).transition(std::move(transition)); }
View View::transition(Transition transition) && {
  return std::move(*this).withModifier({TransitionRecord{std::move(transition)}});
}

View View::accessibilityLabel(std::string label) const& {
  return View(*this).accessibilityLabel(std::move(label));
}
View View::accessibilityLabel(std::string label) && {
  return std::move(*this).withModifier({AccessibilityLabel{std::move(label)}});
}

View View::accessibilityIdentifier(std::string identifier) const& {
  return View(*this).accessibilityIdentifier(std::move(identifier));
}
View View::accessibilityIdentifier(std::string identifier) && {
  return std::move(*this).withModifier({AccessibilityIdentifier{std::move(identifier)}});
}

View View::accessibilityAddTraits(AccessibilityTrait trait) const& {
  return View(*this).accessibilityAddTraits(trait);
}
View View::accessibilityAddTraits(AccessibilityTrait trait) && {
  return std::move(*this).withModifier({AccessibilityTraits{trait}});
}

}  // namespace platform::ui
