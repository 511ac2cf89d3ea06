#include "platform/ui/HitTest.h"

#include "platform/ui/CairoPath.h"
#include "platform/ui/Modifier.h"

namespace platform::ui {

namespace {

bool shapeContains(const AnyShape& shape, Rect rect, Point point, bool evenOdd = false) {
  if (!rect.contains(point)) return false;
  if (shape.as<RectangleShape>()) return true;
  return pathContains(shape.path(rect), point, evenOdd);
}

class HitTester {
 public:
  explicit HitTester(Point point) : point_(point) {}

  Node* hit(Node& node) { return hitLevel(node, node.modifiers().size()); }

  // For each node, the modifier index of the layer the touch came through.
  std::vector<std::pair<Node*, std::size_t>> layerEntries;

 private:
  Node* hitLevel(Node& node, std::size_t level) {
    const auto& modifiers = node.modifiers();
    for (; level > 0; --level) {
      const Modifier& m = modifiers[level - 1];
      const Rect inner = node.frameAt(level - 1);
      if (m.as<Hidden>()) return nullptr;
      if (auto* enabled = m.as<AllowsHitTesting>(); enabled && !enabled->enabled) return nullptr;
      if (auto* opacity = m.as<Opacity>(); opacity && opacity->value <= 0) return nullptr;
      if (auto* clip = m.as<ClipShape>()) {
        if (!shapeContains(clip->shape, inner, point_, clip->style.evenOdd)) return nullptr;
      } else if (m.as<Clipped>()) {
        if (!inner.contains(point_)) return nullptr;
      } else if (auto* corner = m.as<CornerRadius>()) {
        if (!shapeContains(RoundedRectangle(corner->radius), inner, point_)) return nullptr;
      } else if (auto* shape = m.as<ContentShape>()) {
        if (!shapeContains(shape->shape, inner, point_)) return nullptr;
        if (Node* found = hitLevel(node, level - 1)) return found;
        return &node;
      } else if (m.as<Overlay>()) {
        if (auto layer = node.layer(level - 1)) {
          if (Node* found = hit(*layer)) {
            layerEntries.emplace_back(&node, level - 1);
            return found;
          }
        }
      } else if (m.as<Background>()) {
        if (Node* found = hitLevel(node, level - 1)) return found;
        if (auto layer = node.layer(level - 1)) {
          if (Node* found = hit(*layer)) {
            layerEntries.emplace_back(&node, level - 1);
            return found;
          }
        }
        return nullptr;
      }
    }
    return hitContent(node);
  }

  Node* hitContent(Node& node) {
    if (node.kind() == NodeKind::scrollView && !node.contentFrame.contains(point_)) return nullptr;
    const auto& children = node.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if ((*it)->role() != NodeRole::content) continue;
      if (Node* found = hit(**it)) return found;
    }
    if (contentContains(node) && drawsOpaqueContent(node)) return &node;
    return nullptr;
  }

  bool contentContains(const Node& node) const {
    if (auto* shape = node.content<ShapeContent>()) {
      if (shape->drawing == ShapeDrawing::fill) {
        return shapeContains(shape->shape, node.contentFrame, point_, shape->fillStyle.evenOdd);
      }
    }
    return node.contentFrame.contains(point_);
  }

  Point point_;
};

bool anyVisible(const std::vector<Color>& colors, ColorScheme scheme) {
  for (const auto& color : colors) {
    if (color.resolved(scheme).alpha > 0) return true;
  }
  return false;
}

}  // namespace

bool drawsOpaqueContent(const Node& node) {
  const ColorScheme scheme = node.colorScheme();
  switch (node.kind()) {
    case NodeKind::color:
      return node.content<ColorContent>()->color.resolved(scheme).alpha > 0;
    case NodeKind::linearGradient:
      return anyVisible(node.content<LinearGradientContent>()->colors, scheme);
    case NodeKind::shape: {
      auto* shape = node.content<ShapeContent>();
      Color color = shape->color ? *shape->color : node.resolvedForegroundColor();
      return color.resolved(scheme).alpha > 0;
    }
    case NodeKind::text:
      return !node.content<TextContent>()->text.empty() &&
             node.resolvedForegroundColor().resolved(scheme).alpha > 0;
    case NodeKind::image:
      return !node.content<ImageContent>()->image.isEmpty();
    case NodeKind::divider:
    case NodeKind::representable:
      return true;
    default:
      return false;
  }
}

std::vector<HitLink> hitTest(Node& root, Point point) {
  HitTester tester(point);
  Node* found = tester.hit(root);
  std::vector<HitLink> chain;
  if (!found) return chain;
  for (Node* node = found; node; node = node->parent()) {
    std::size_t first = 0;
    for (const auto& [owner, index] : tester.layerEntries) {
      if (owner == node) first = index + 1;
    }
    // The touched view itself and ancestors reached through their content.
    chain.push_back(HitLink{node->shared_from_this(), first});
    if (node == &root) break;
  }
  return chain;
}

}  // namespace platform::ui
