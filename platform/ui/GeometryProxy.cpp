#include "platform/ui/GeometryProxy.h"

#include "platform/ui/Node.h"

namespace platform::ui {

Point coordinateSpaceOrigin(const Node& node, std::size_t level, const CoordinateSpace& space) {
  switch (space.kind) {
    case CoordinateSpace::Kind::local:
      return node.frameAt(level).origin;
    case CoordinateSpace::Kind::global:
      return Point{};
    case CoordinateSpace::Kind::named:
      for (const Node* ancestor = &node; ancestor; ancestor = ancestor->parent()) {
        const auto& modifiers = ancestor->modifiers();
        for (std::size_t i = 0; i < modifiers.size(); ++i) {
          auto* name = modifiers[i].as<CoordinateSpaceName>();
          if (name && name->name == space.name) return ancestor->frameAt(i).origin;
        }
      }
      return Point{};
  }
  return Point{};
}

Rect coordinateSpaceFrame(const Node& node, std::size_t level, const CoordinateSpace& space) {
  if (space.kind == CoordinateSpace::Kind::local) return node.frameAt(level);
  const Node* root = &node;
  for (const Node* ancestor = &node; ancestor; ancestor = ancestor->parent()) {
    root = ancestor;
    if (space.kind != CoordinateSpace::Kind::named) continue;
    const auto& modifiers = ancestor->modifiers();
    for (std::size_t i = 0; i < modifiers.size(); ++i) {
      auto* name = modifiers[i].as<CoordinateSpaceName>();
      if (name && name->name == space.name) return ancestor->frameAt(i);
    }
  }
  return root->frame;
}

Size GeometryProxy::size() const {
  if (auto node = node_.lock()) return node->frameAt(0).size;
  return size_;
}

Size GeometryProxy::size(const CoordinateSpace& space) const {
  auto node = node_.lock();
  if (!node) return size_;
  return coordinateSpaceFrame(*node, 0, space).size;
}

Rect GeometryProxy::frame(const CoordinateSpace& space) const {
  auto node = node_.lock();
  if (!node) return Rect(Point{}, size_);
  const Rect own = node->frameAt(0);
  const Point origin = coordinateSpaceOrigin(*node, 0, space);
  return Rect(Point{own.origin.x - origin.x, own.origin.y - origin.y}, own.size);
}

}  // namespace platform::ui
