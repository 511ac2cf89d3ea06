#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Node.h"

namespace platform::ui {

// One view on the way from the touched view up to the root. Only the node's
// modifiers from `firstModifier` outwards enclose the touched view (a touch
// on an overlay is not inside the modifiers applied before the overlay).
struct HitLink {
  std::shared_ptr<Node> node;
  std::size_t firstModifier = 0;
};

// The view that takes a touch at `point` (host coordinates), then its
// ancestors up to `root`; empty when nothing takes it.
//
// Views are tried front to back: a view's overlays (the last applied first),
// then its children (the last first), then the view itself, then its
// backgrounds. A view takes the touch when it draws something with an
// opacity above 0 (a colour, gradient, shape or text; clear does not, white
// at 0.001 does) or has a content shape containing the point; stacks and
// other containers take none themselves. Hidden views, views with an
// opacity of 0 and views with hit testing disabled pass touches through,
// with everything inside them; clip shapes, corner radii and scroll views
// let touches reach their content only inside their bounds.
std::vector<HitLink> hitTest(Node& root, Point point);

// Whether `node`'s own content draws something that can take a touch.
bool drawsOpaqueContent(const Node& node);

}  // namespace platform::ui
