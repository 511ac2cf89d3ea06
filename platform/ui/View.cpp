#include "platform/ui/View.h"

#include "platform/ui/ButtonStyle.h"
#include "platform/ui/ViewDefinition.h"

namespace platform::ui {

namespace {

std::shared_ptr<const ViewDefinition> emptyDefinition() {
  static const auto definition = std::make_shared<const ViewDefinition>();
  return definition;
}

std::shared_ptr<const ViewDefinition> definitionWith(ViewContent content) {
  auto definition = std::make_shared<ViewDefinition>();
  definition->content = std::move(content);
  return definition;
}

std::string named(const std::string& label, double value) {
  return label + ": " + formatNumber(value);
}

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
  if (insets.top == insets.leading && insets.top == insets.bottom &&
      insets.top == insets.trailing) {
    return "padding(" + formatNumber(insets.top) + ")";
  }
  return "padding" + arguments({insets.top != 0 ? named("top", insets.top) : "",
                                insets.leading != 0 ? named("leading", insets.leading) : "",
                                insets.bottom != 0 ? named("bottom", insets.bottom) : "",
                                insets.trailing != 0 ? named("trailing", insets.trailing) : ""});
}

std::string traitName(AccessibilityTrait trait) {
  static constexpr const char* names[] = {"isButton", "isHeader", "isImage", "isSelected",
                                          "isStaticText"};
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
          return "frame" + arguments({optionalPart("width", m.width),
                                      optionalPart("height", m.height), alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, FlexibleFrame>) {
          return "frame" + arguments({optionalPart("minWidth", m.minWidth),
                                      optionalPart("idealWidth", m.idealWidth),
                                      optionalPart("maxWidth", m.maxWidth),
                                      optionalPart("minHeight", m.minHeight),
                                      optionalPart("idealHeight", m.idealHeight),
                                      optionalPart("maxHeight", m.maxHeight),
                                      alignmentPart(m.alignment)});
        } else if constexpr (std::is_same_v<M, Offset>) {
          return "offset(" + named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, Position>) {
          return "position(" + named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, ScaleEffect>) {
          std::string scale = m.scale.width == m.scale.height
                                  ? formatNumber(m.scale.width)
                                  : named("x", m.scale.width) + ", " + named("y", m.scale.height);
          return "scaleEffect" +
                 arguments({scale, m.anchor == UnitPoint::center()
                                       ? ""
                                       : "anchor: " + m.anchor.description()});
        } else if constexpr (std::is_same_v<M, Rotation3DEffect>) {
          return "rotation3DEffect(" + formatNumber(m.angle.radians()) + ", axis: (" +
                 formatNumber(m.axisX) + ", " + formatNumber(m.axisY) + ", " +
                 formatNumber(m.axisZ) + "), " + named("perspective", m.perspective) + ")";
        } else if constexpr (std::is_same_v<M, Resizable>) {
          return m.mode == ResizingMode::tile ? "resizable(mode: tile)" : "resizable";
        } else if constexpr (std::is_same_v<M, AspectRatio>) {
          return "aspectRatio" +
                 arguments({optionalPart("ratio", m.ratio),
                            "contentMode: " +
                                std::string(contentModeNames[static_cast<std::size_t>(m.mode)])});
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
          return "shadow(color: " + m.color.description() + ", " + named("radius", m.radius) +
                 ", " + named("x", m.x) + ", " + named("y", m.y) + ")";
        } else if constexpr (std::is_same_v<M, CornerRadius>) {
          return "cornerRadius(" + formatNumber(m.radius) +
                 (m.antialiased ? ")" : ", antialiased: false)");
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
                 arguments({m.gesture ? m.gesture->description() : "none",
                            m.mask == GestureMask::all
                                ? ""
                                : "including: " +
                                      std::string(gestureMaskNames[static_cast<std::size_t>(m.mask)])});
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
          return "attach(" +
                 (m.description.empty() ? readableTypeName(m.value.type()) : m.description) + ")";
        }
      },
      *value);
}

// --- View ----------------------------------------------------------------------

View::View() : definition_(emptyDefinition()) {}

View::View(std::shared_ptr<const ViewDefinition> definition) : definition_(definition ? std::move(definition) : emptyDefinition()) {}

View::View(const Color& color) : definition_(definitionWith(ColorContent{color})) {}

View::View(const AnyShape& shape) : definition_(definitionWith(ShapeContent{shape, ShapeDrawing::fill, {}, {}, {}})) {}

View::View(const Image& image) : definition_(definitionWith(ImageContent{image})) {}

View View::composite(const std::type_info& type, std::function<View(BodyContext&)> body) {
  // Adding a modifier copies the definition: share the body (which holds a
  // copy of the whole view value) instead of copying it each time.
  auto shared = std::make_shared<const std::function<View(BodyContext&)>>(std::move(body));
  return View(definitionWith(CompositeContent{std::type_index(type), internedTypeName(type),
                                              [shared](BodyContext& context) { return (*shared)(context); }}));
}

bool View::isEmpty() const {
  return std::holds_alternative<EmptyContent>(definition_->content) && definition_->modifiers.empty();
}

View View::withModifier(Modifier modifier) const {
  auto definition = std::make_shared<ViewDefinition>();
  definition->content = definition_->content;
  definition->children = definition_->children;
  definition->modifiers.reserve(definition_->modifiers.size() + 1);
  definition->modifiers.insert(definition->modifiers.end(), definition_->modifiers.begin(),
                               definition_->modifiers.end());
  definition->modifiers.push_back(std::move(modifier));
  return View(std::move(definition));
}

View View::withEnvironment(std::string name, std::string value,
                           std::function<void(EnvironmentValues&)> apply) const {
  return withModifier({EnvironmentWrite{std::move(name), std::move(value), std::move(apply)}});
}

View View::withDescribedEnvironment(std::string name,
                                    std::string (*describeValue)(const EnvironmentValues&),
                                    std::function<void(EnvironmentValues&)> apply) const {
  return withModifier({EnvironmentWrite{std::move(name), "", std::move(apply), describeValue}});
}

View View::withChangeHook(ChangeHook hook) const { return withModifier({std::move(hook)}); }

View View::withAnimationRecord(std::optional<Animation> animation, WatchedValue value) const {
  return withModifier({AnimationRecord{animation, std::move(value)}});
}

View View::withAttachment(std::any value, std::string description) const {
  return withModifier({Attachment{std::move(value), std::move(description)}});
}

View View::padding(double length) const { return padding(EdgeInsets(length)); }

View View::padding(EdgeSet edges, std::optional<double> length) const {
  double value = length.value_or(defaultPadding);
  auto side = [&](Edge edge) { return edges.contains(edge) ? value : 0.0; };
  return padding(EdgeInsets(side(Edge::top), side(Edge::leading), side(Edge::bottom),
                            side(Edge::trailing)));
}

View View::padding(EdgeInsets insets) const { return withModifier({Padding{insets}}); }

View View::frame(std::optional<double> width, std::optional<double> height,
                 Alignment alignment) const {
  return withModifier({Frame{width, height, alignment}});
}

View View::frame(const FlexibleFrame& frame) const { return withModifier({frame}); }

View View::offset(double x, double y) const { return withModifier({Offset{x, y}}); }

View View::position(double x, double y) const { return withModifier({Position{x, y}}); }

View View::scaleEffect(double scale, UnitPoint anchor) const {
  return scaleEffect(Size{scale, scale}, anchor);
}

View View::scaleEffect(Size scale, UnitPoint anchor) const {
  return withModifier({ScaleEffect{scale, anchor}});
}

View View::rotation3DEffect(Angle angle, double axisX, double axisY, double axisZ,
                            UnitPoint anchor, double anchorZ, double perspective) const {
  return withModifier({Rotation3DEffect{angle, axisX, axisY, axisZ, anchor, anchorZ, perspective}});
}

View View::resizable(EdgeInsets capInsets, ResizingMode mode) const {
  return withModifier({Resizable{capInsets, mode}});
}

View View::aspectRatio(std::optional<double> ratio, ContentMode mode) const {
  return withModifier({AspectRatio{ratio, mode}});
}

View View::background(View content, Alignment alignment) const {
  return withModifier({Background{std::move(content), alignment}});
}

View View::overlay(View content, Alignment alignment) const {
  return withModifier({Overlay{std::move(content), alignment}});
}

View View::mask(View content, Alignment alignment) const {
  return withModifier({Mask{std::move(content), alignment}});
}

View View::opacity(double opacity) const { return withModifier({Opacity{opacity}}); }

View View::shadow(Color color, double radius, double x, double y) const {
  return withModifier({Shadow{color, radius, x, y}});
}

View View::cornerRadius(double radius, bool antialiased) const {
  return withModifier({CornerRadius{radius, antialiased}});
}

View View::clipShape(AnyShape shape, FillStyle style) const {
  return withModifier({ClipShape{std::move(shape), style}});
}

View View::clipped(bool antialiased) const { return withModifier({Clipped{antialiased}}); }

View View::compositingGroup() const { return withModifier({CompositingGroup{}}); }

View View::hidden() const { return withModifier({Hidden{}}); }

View View::foregroundColor(std::optional<Color> color) const {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    auto color = values.get(foregroundColorKey);
    return color ? color->description() : "nil";
  };
  return withDescribedEnvironment("foregroundColor", describe,
                         [color](EnvironmentValues& values) { values.set(foregroundColorKey, color); });
}

View View::font(std::optional<Font> font) const {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    auto font = values.get(fontKey);
    return font ? font->description() : "nil";
  };
  return withDescribedEnvironment("font", describe,
                         [font](EnvironmentValues& values) { values.set(fontKey, font); });
}

View View::bold(bool isActive) const {
  return withEnvironment("bold", isActive ? "" : "false",
                         [isActive](EnvironmentValues& values) { values.set(boldKey, isActive); });
}

View View::lineLimit(std::optional<int> lines) const {
  return withEnvironment("lineLimit", lines ? std::to_string(*lines) : "nil",
                         [lines](EnvironmentValues& values) { values.set(lineLimitKey, lines); });
}

View View::textCase(std::optional<TextCase> textCase) const {
  std::string value = !textCase ? "nil" : *textCase == TextCase::uppercase ? "uppercase" : "lowercase";
  return withEnvironment("textCase", value,
                         [textCase](EnvironmentValues& values) { values.set(textCaseKey, textCase); });
}

View View::minimumScaleFactor(double factor) const {
  auto describe = [](const EnvironmentValues& values) {
    return formatNumber(values.get(minimumScaleFactorKey));
  };
  return withDescribedEnvironment("minimumScaleFactor", describe, [factor](EnvironmentValues& values) {
    values.set(minimumScaleFactorKey, factor);
  });
}

View View::colorScheme(ColorScheme scheme) const {
  return withEnvironment("colorScheme", std::string(name(scheme)),
                         [scheme](EnvironmentValues& values) { values.set(colorSchemeKey, scheme); });
}

View View::buttonStyle(std::shared_ptr<const ButtonStyle> style) const {
  auto describe = [](const EnvironmentValues& values) -> std::string {
    const auto& style = values.get(buttonStyleKey);
    return style ? style->description() : "automatic";
  };
  return withDescribedEnvironment("buttonStyle", describe,
                         [style](EnvironmentValues& values) { values.set(buttonStyleKey, style); });
}

View View::contentShape(AnyShape shape) const { return withModifier({ContentShape{std::move(shape)}}); }

View View::allowsHitTesting(bool enabled) const { return withModifier({AllowsHitTesting{enabled}}); }

View View::gesture(std::shared_ptr<const Gesture> gesture, GestureMask mask,
                   GesturePriority priority) const {
  return withModifier({GestureAttachment{std::move(gesture), mask, priority}});
}

View View::simultaneousGesture(std::shared_ptr<const Gesture> gesture, GestureMask mask) const {
  return this->gesture(std::move(gesture), mask, GesturePriority::simultaneous);
}

View View::onTapGesture(std::function<void()> action, int count) const {
  return withModifier({TapAction{count, std::move(action)}});
}

View View::contextMenu(View items) const { return withModifier({ContextMenu{std::move(items)}}); }

View View::coordinateSpace(std::string name) const {
  return withModifier({CoordinateSpaceName{std::move(name)}});
}

View View::id(ViewId id) const { return withModifier({ExplicitId{std::move(id)}}); }

View View::onAppear(std::function<void()> action) const {
  return withModifier({AppearAction{std::move(action)}});
}

View View::onDisappear(std::function<void()> action) const {
  return withModifier({DisappearAction{std::move(action)}});
}

View View::transition(Transition transition) const {
  return withModifier({TransitionRecord{std::move(transition)}});
}

View View::accessibilityLabel(std::string label) const {
  return withModifier({AccessibilityLabel{std::move(label)}});
}

View View::accessibilityIdentifier(std::string identifier) const {
  return withModifier({AccessibilityIdentifier{std::move(identifier)}});
}

View View::accessibilityAddTraits(AccessibilityTrait trait) const {
  return withModifier({AccessibilityTraits{trait}});
}

}  // namespace platform::ui
