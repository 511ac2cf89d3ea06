#include "keyloom/views/CalloutCurve.h"

#include <cmath>
#include <memory>

namespace keyloom {

using platform::Point;
using platform::ui::Path;

Path CalloutCurve::path(platform::Rect rect) const {
  Path path;
  if (std::isnan(rect.size.width) || std::isnan(rect.size.height)) return path;
  const double minX = rect.minX();
  const double minY = rect.minY();
  const double maxX = rect.maxX();
  const double maxY = rect.maxY();
  // Control points at the rectangle's own left corners, so the curve leaves
  // the bottom straight up and meets the top moving right wherever the
  // rectangle stands.
  path.move(Point{minX, maxY});
  path.addCurve(Point{maxX, minY}, Point{minX, maxY}, Point{minX, minY});
  path.addLine(Point{minX, minY});
  path.addLine(Point{minX, maxY});
  return path;
}

std::string CalloutCurve::description() const { return "CalloutCurve"; }

platform::ui::AnyShape CalloutCurve::shape() const {
  return platform::ui::AnyShape(std::make_shared<const CalloutCurve>(*this));
}

}  // namespace keyloom
