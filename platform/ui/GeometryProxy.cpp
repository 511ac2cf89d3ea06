#include "platform/ui/GeometryProxy.h"

#include "platform/ui/Node.h"

namespace platform::ui {

Size GeometryProxy::size() const {
  if (auto node = node_.lock()) return node->frame.size;
  return size_;
}

Rect GeometryProxy::frame(const CoordinateSpace& space) const {
  auto node = node_.lock();
  if (!node) return Rect(Point{}, size_);
  switch (space.kind) {
    case CoordinateSpace::Kind::local:
      return Rect(Point{}, node->frame.size);
    case CoordinateSpace::Kind::global:
      return node->frame;
    case CoordinateSpace::Kind::named:
      for (const Node* ancestor = node.get(); ancestor; ancestor = ancestor->parent()) {
        for (const auto* name : ancestor->modifiersOfType<CoordinateSpaceName>()) {
          if (name->name == space.name) {
            Point origin{node->frame.origin.x - ancestor->frame.origin.x,
                         node->frame.origin.y - ancestor->frame.origin.y};
            return Rect(origin, node->frame.size);
          }
        }
      }
      return node->frame;  // an unknown name measures in the host's space
  }
  return node->frame;
}

}  // namespace platform::ui
