#include "keyloom/appearance/CustomRoundedRectangle.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace keyloom {

using platform::Point;
using platform::ui::Angle;
using platform::ui::Path;

platform::ui::Path CustomRoundedRectangle::path(platform::Rect rect) const {
  Path path;
  const double w = rect.size.width;
  const double h = rect.size.height;
  if (std::isnan(w) || std::isnan(h)) return path;

  // Negative and NaN radii would turn the arcs inside out.
  const auto clamp = [&](double r) { return std::isnan(r) || r < 0 ? 0.0 : std::min({r, h / 2, w / 2}); };
  const double tl = clamp(topLeft_);
  const double tr = clamp(topRight_);
  const double bl = clamp(bottomLeft_);
  const double br = clamp(bottomRight_);
  const double x = rect.origin.x;
  const double y = rect.origin.y;
  const double pi = std::numbers::pi;

  path.move(Point{x + w / 2, y});
  path.addLine(Point{x + w - tr, y});
  path.addArc(Point{x + w - tr, y + tr}, tr, Angle::radians(-pi / 2), Angle::radians(0), false);
  path.addLine(Point{x + w, y + h - br});
  path.addArc(Point{x + w - br, y + h - br}, br, Angle::radians(0), Angle::radians(pi / 2), false);
  path.addLine(Point{x + bl, y + h});
  path.addArc(Point{x + bl, y + h - bl}, bl, Angle::radians(pi / 2), Angle::radians(pi), false);
  path.addLine(Point{x, y + tl});
  path.addArc(Point{x + tl, y + tl}, tl, Angle::radians(pi), Angle::radians(3 * pi / 2), false);
  return path;
}

std::string CustomRoundedRectangle::description() const {
  using platform::ui::formatNumber;
  return "CustomRoundedRectangle(" + formatNumber(topLeft_) + ", " + formatNumber(topRight_) + ", " +
         formatNumber(bottomLeft_) + ", " + formatNumber(bottomRight_) + ")";
}

platform::ui::AnyShape CustomRoundedRectangle::shape() const {
  return platform::ui::AnyShape(std::make_shared<const CustomRoundedRectangle>(*this));
}

}  // namespace keyloom
