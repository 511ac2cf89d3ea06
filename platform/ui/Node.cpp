#include "platform/ui/Node.h"

#include "platform/ui/ButtonStyle.h"
#include "platform/ui/ViewTree.h"

namespace platform::ui {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string gridItemDescription(const GridItem& item) {
  std::string text;
  switch (item.kind) {
    case GridItem::Kind::fixed:
      text = "fixed(" + formatNumber(item.minimum);
      break;
    case GridItem::Kind::flexible:
      text = "flexible(" + formatNumber(item.minimum) + ", " + formatNumber(item.maximum);
      break;
    case GridItem::Kind::adaptive:
      text = "adaptive(" + formatNumber(item.minimum) + ", " + formatNumber(item.maximum);
      break;
  }
  if (item.spacing) text += ", spacing: " + formatNumber(*item.spacing);
  return text + ")";
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

std::string spacingPart(const std::optional<double>& spacing) {
  return spacing ? "spacing: " + formatNumber(*spacing) : "";
}

}  // namespace

std::string_view name(NodeKind kind) { return nodeKindNames[static_cast<std::size_t>(kind)]; }

Node::Node() = default;
Node::~Node() = default;

Rect Node::frameAt(std::size_t level) const {
  if (level < levelFrames.size()) return levelFrames[level];
  return frame;
}

NodeKind kindOf(const ViewDefinition& definition) {
  return std::visit(
      [](const auto& content) -> NodeKind {
        using C = std::decay_t<decltype(content)>;
        if constexpr (std::is_same_v<C, EmptyContent>) return NodeKind::empty;
        else if constexpr (std::is_same_v<C, TextContent>) return NodeKind::text;
        else if constexpr (std::is_same_v<C, ImageContent>) return NodeKind::image;
        else if constexpr (std::is_same_v<C, ColorContent>) return NodeKind::color;
        else if constexpr (std::is_same_v<C, LinearGradientContent>) return NodeKind::linearGradient;
        else if constexpr (std::is_same_v<C, ShapeContent>) return NodeKind::shape;
        else if constexpr (std::is_same_v<C, VStackContent>) return NodeKind::vstack;
        else if constexpr (std::is_same_v<C, HStackContent>) return NodeKind::hstack;
        else if constexpr (std::is_same_v<C, ZStackContent>) return NodeKind::zstack;
        else if constexpr (std::is_same_v<C, SpacerContent>) return NodeKind::spacer;
        else if constexpr (std::is_same_v<C, DividerContent>) return NodeKind::divider;
        else if constexpr (std::is_same_v<C, GroupContent>) return NodeKind::group;
        else if constexpr (std::is_same_v<C, ForEachContent>) return NodeKind::forEach;
        else if constexpr (std::is_same_v<C, ConditionalContent>) return NodeKind::conditional;
        else if constexpr (std::is_same_v<C, ButtonContent>) return NodeKind::button;
        else if constexpr (std::is_same_v<C, LinkContent>) return NodeKind::link;
        else if constexpr (std::is_same_v<C, LabelContent>) return NodeKind::label;
        else if constexpr (std::is_same_v<C, ScrollViewContent>) return NodeKind::scrollView;
        else if constexpr (std::is_same_v<C, GridContent>)
          return content.axis == Axis::horizontal ? NodeKind::lazyHGrid : NodeKind::lazyVGrid;
        else if constexpr (std::is_same_v<C, GeometryReaderContent>) return NodeKind::geometryReader;
        else if constexpr (std::is_same_v<C, MenuContent>) return NodeKind::menu;
        else if constexpr (std::is_same_v<C, RepresentableContent>) return NodeKind::representable;
        else return NodeKind::composite;
      },
      definition.content);
}

std::string Node::typeName() const {
  if (auto* composite = content<CompositeContent>()) return std::string(composite->typeName);
  return std::string(name(kind()));
}

std::optional<std::string> Node::text() const {
  if (auto* text = content<TextContent>()) return text->text;
  return std::nullopt;
}

std::optional<ViewId> Node::explicitId() const { return key_.explicitId; }

std::optional<std::string> Node::accessibilityLabel() const {
  std::optional<std::string> label;
  for (const auto* m : modifiersOfType<AccessibilityLabel>()) label = m->label;
  return label;
}

std::optional<std::string> Node::accessibilityIdentifier() const {
  std::optional<std::string> identifier;
  for (const auto* m : modifiersOfType<AccessibilityIdentifier>()) identifier = m->identifier;
  return identifier;
}

bool Node::hasAccessibilityTrait(AccessibilityTrait trait) const {
  for (const auto* m : modifiersOfType<AccessibilityTraits>()) {
    if (m->trait == trait) return true;
  }
  return false;
}

std::vector<std::shared_ptr<Node>> Node::children(NodeRole role) const {
  std::vector<std::shared_ptr<Node>> result;
  for (const auto& child : children_) {
    if (child->role() == role) result.push_back(child);
  }
  return result;
}

std::shared_ptr<Node> Node::layer(std::size_t modifierIndex) const {
  for (const auto& child : children_) {
    if (child->role() != NodeRole::content && child->role() != NodeRole::menuItems &&
        child->key_.slot == modifierIndex) {
      return child;
    }
  }
  return nullptr;
}

std::vector<std::shared_ptr<Node>> Node::layoutChildren() const {
  std::vector<std::shared_ptr<Node>> result;
  for (const auto& child : children(NodeRole::content)) {
    NodeKind childKind = child->kind();
    if (childKind == NodeKind::group || childKind == NodeKind::forEach ||
        childKind == NodeKind::conditional) {
      auto inner = child->layoutChildren();
      result.insert(result.end(), inner.begin(), inner.end());
    } else if (childKind == NodeKind::empty && child->modifiers().empty()) {
      continue;  // absent content takes no place, not even spacing
    } else {
      result.push_back(child);
    }
  }
  return result;
}

void Node::tap() {
  for (const auto* tapAction : modifiersOfType<TapAction>()) {
    if (tapAction->count == 1 && tapAction->action) tapAction->action();
  }
  if (auto* button = content<ButtonContent>()) {
    if (button->action) button->action();
  } else if (auto* link = content<LinkContent>()) {
    if (const auto& open = environment_.get(openURLKey)) open(link->url);
  } else if (auto* menu = content<MenuContent>()) {
    if (menu->primaryAction) menu->primaryAction();
  }
}

void Node::setPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  setNeedsEvaluation();
}

void Node::setNeedsLayout() {
  // Not stopping at a marked ancestor: a pass may have cleared it while this
  // node, never visited, kept its mark.
  if (!attached_) return;
  needsLayout_ = true;
  for (Node* node = parent_; node; node = node->parent_) node->needsLayoutBelow_ = true;
}

void Node::setNeedsEvaluation() {
  if (!attached_) return;
  Transaction current = Transaction::current();
  if (current.isAnimated()) pendingTransaction_ = current;
  const bool wasDirty = dirty_;
  dirty_ = true;
  if (auto tree = tree_.lock()) {
    if (!wasDirty) tree->noteDirty(weak_from_this().lock());
    tree->scheduleUpdate();
  }
}

void Node::collect(const std::function<bool(const Node&)>& match,
                   std::vector<std::shared_ptr<Node>>& out, bool firstOnly) {
  if (match(*this)) {
    out.push_back(shared_from_this());
    if (firstOnly) return;
  }
  for (const auto& child : children_) {
    child->collect(match, out, firstOnly);
    if (firstOnly && !out.empty()) return;
  }
}

std::vector<std::shared_ptr<Node>> Node::findAll(const std::function<bool(const Node&)>& match) {
  std::vector<std::shared_ptr<Node>> result;
  collect(match, result, false);
  return result;
}

std::shared_ptr<Node> Node::find(const std::function<bool(const Node&)>& match) {
  std::vector<std::shared_ptr<Node>> result;
  collect(match, result, true);
  return result.empty() ? nullptr : result.front();
}

std::vector<std::shared_ptr<Node>> Node::findAll(NodeKind kind) {
  return findAll([kind](const Node& node) { return node.kind() == kind; });
}

std::shared_ptr<Node> Node::findText(std::string_view text) {
  return find([text](const Node& node) {
    auto* content = node.content<TextContent>();
    return content && content->text == text;
  });
}

std::shared_ptr<Node> Node::findByAccessibilityIdentifier(std::string_view identifier) {
  return find([identifier](const Node& node) {
    auto value = node.accessibilityIdentifier();
    return value && *value == identifier;
  });
}

std::string Node::description() const {
  return std::visit(
      [this](const auto& content) -> std::string {
        using C = std::decay_t<decltype(content)>;
        if constexpr (std::is_same_v<C, TextContent>) {
          return "Text(" + quoted(content.text) + ")";
        } else if constexpr (std::is_same_v<C, ImageContent>) {
          return content.image.description();
        } else if constexpr (std::is_same_v<C, ColorContent>) {
          return "Color(" + content.color.description() + ")";
        } else if constexpr (std::is_same_v<C, LinearGradientContent>) {
          std::string colors;
          for (const auto& color : content.colors) {
            colors += (colors.empty() ? "" : ", ") + color.description();
          }
          return "LinearGradient([" + colors + "], from: " + content.startPoint.description() +
                 ", to: " + content.endPoint.description() + ")";
        } else if constexpr (std::is_same_v<C, ShapeContent>) {
          std::string color = content.color ? content.color->description() : "foreground";
          switch (content.drawing) {
            case ShapeDrawing::fill:
              return content.shape.description() + ".fill(" + color +
                     (content.fillStyle.evenOdd ? ", evenOdd)" : ")");
            case ShapeDrawing::stroke:
              return content.shape.description() + ".stroke(" + color + ", " +
                     content.strokeStyle.description() + ")";
            case ShapeDrawing::strokeBorder:
              return content.shape.description() + ".strokeBorder(" + color + ", " +
                     content.strokeStyle.description() + ")";
          }
          return content.shape.description();
        } else if constexpr (std::is_same_v<C, VStackContent>) {
          return std::string(content.lazy ? "LazyVStack" : "VStack") +
                 arguments({content.alignment == HorizontalAlignment::center
                                ? ""
                                : "alignment: " + std::string(name(content.alignment)),
                            spacingPart(content.spacing)});
        } else if constexpr (std::is_same_v<C, HStackContent>) {
          return std::string(content.lazy ? "LazyHStack" : "HStack") +
                 arguments({content.alignment == VerticalAlignment::center
                                ? ""
                                : "alignment: " + std::string(name(content.alignment)),
                            spacingPart(content.spacing)});
        } else if constexpr (std::is_same_v<C, ZStackContent>) {
          return "ZStack" + arguments({content.alignment == Alignment::center()
                                           ? ""
                                           : "alignment: " + content.alignment.description()});
        } else if constexpr (std::is_same_v<C, SpacerContent>) {
          return "Spacer" +
                 arguments({content.minLength ? "minLength: " + formatNumber(*content.minLength)
                                              : ""});
        } else if constexpr (std::is_same_v<C, ForEachContent>) {
          return "ForEach(" + std::to_string(content.ids.size()) + " items)";
        } else if constexpr (std::is_same_v<C, ConditionalContent>) {
          return std::string("If(") + (content.condition ? "true" : "false") + ")";
        } else if constexpr (std::is_same_v<C, ButtonContent>) {
          auto style = environment_.get(buttonStyleKey);
          return "Button" + arguments({style ? "style: " + style->description() : ""});
        } else if constexpr (std::is_same_v<C, LinkContent>) {
          return "Link(" + quoted(content.url) + ")";
        } else if constexpr (std::is_same_v<C, ScrollViewContent>) {
          return "ScrollView(" + std::string(axisNames[static_cast<std::size_t>(content.axis)]) +
                 (content.showsIndicators ? "" : ", indicators: hidden") + ")";
        } else if constexpr (std::is_same_v<C, GridContent>) {
          std::string items;
          for (const auto& item : content.items) {
            items += (items.empty() ? "" : ", ") + gridItemDescription(item);
          }
          return std::string(content.axis == Axis::horizontal ? "LazyHGrid(rows: ["
                                                               : "LazyVGrid(columns: [") +
                 items + "]" +
                 (content.spacing ? ", spacing: " + formatNumber(*content.spacing) : "") + ")";
        } else if constexpr (std::is_same_v<C, RepresentableContent>) {
          return "Representable(" +
                 (content.representable ? content.representable->description() : "none") + ")";
        } else if constexpr (std::is_same_v<C, CompositeContent>) {
          return std::string(content.typeName);
        } else {
          return std::string(name(kind()));
        }
      },
      definition().content);
}

std::string Node::dump(const DumpOptions& options) const {
  std::string out;
  dump(out, 0, options);
  return out;
}

void Node::dump(std::string& out, int depth, const DumpOptions& options) const {
  auto line = [&out](int level, const std::string& text) {
    out.append(static_cast<std::size_t>(level) * 2, ' ');
    out += text;
    out += '\n';
  };
  std::string head = description();
  if (options.frames) {
    head += "  @(" + formatNumber(frame.origin.x) + ", " + formatNumber(frame.origin.y) + ", " +
            formatNumber(frame.size.width) + ", " + formatNumber(frame.size.height) + ")";
  }
  line(depth, head);
  for (const auto& child : children_) {
    if (child->role() == NodeRole::content) child->dump(out, depth + 1, options);
  }
  auto items = children(NodeRole::menuItems);
  if (!items.empty()) {
    line(depth + 1, "items:");
    for (const auto& item : items) item->dump(out, depth + 2, options);
  }
  const auto& mods = modifiers();
  for (std::size_t i = 0; i < mods.size(); ++i) {
    line(depth + 1, "." + mods[i].description());
    if (mods[i].layerContent()) {
      if (auto layerNode = layer(i)) layerNode->dump(out, depth + 2, options);
    }
  }
}

}  // namespace platform::ui
