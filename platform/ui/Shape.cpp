#include "platform/ui/Shape.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

#include "platform/ui/TypeName.h"

namespace platform::ui {

namespace {
// A rounded rectangle outline made of lines and quarter arcs. Continuous
// corners are drawn circular: their exact curve is left to the renderer.
Path roundedRectPath(Rect rect, double rx, double ry) {
  Path path;
  double r = std::max(0.0, std::min({rx, ry, rect.width() / 2, rect.height() / 2}));
  if (r == 0) {
    path.addRect(rect);
    return path;
  }
  const double pi = std::numbers::pi;
  double x0 = rect.minX(), y0 = rect.minY(), x1 = rect.maxX(), y1 = rect.maxY();
  path.move({x0 + r, y0});
  path.addLine({x1 - r, y0});
  path.addArc({x1 - r, y0 + r}, r, Angle::radians(-pi / 2), Angle::radians(0), false);
  path.addLine({x1, y1 - r});
  path.addArc({x1 - r, y1 - r}, r, Angle::radians(0), Angle::radians(pi / 2), false);
  path.addLine({x0 + r, y1});
  path.addArc({x0 + r, y1 - r}, r, Angle::radians(pi / 2), Angle::radians(pi), false);
  path.addLine({x0, y0 + r});
  path.addArc({x0 + r, y0 + r}, r, Angle::radians(pi), Angle::radians(3 * pi / 2), false);
  path.closeSubpath();
  return path;
}
}  // namespace

Shape::~Shape() = default;

std::string Shape::description() const { return readableTypeName(typeid(*this)); }

AnyShape::AnyShape(std::shared_ptr<const Shape> shape) : shape_(std::move(shape)) {
  assert(shape_ && "a shape handle needs a shape");
}

Path RectangleShape::path(Rect rect) const {
  Path path;
  path.addRect(rect);
  return path;
}
std::string RectangleShape::description() const { return "Rectangle"; }

Path RoundedRectangleShape::path(Rect rect) const {
  return roundedRectPath(rect, cornerSize_.width, cornerSize_.height);
}
std::string RoundedRectangleShape::description() const {
  std::string radius = cornerSize_.width == cornerSize_.height
                           ? formatNumber(cornerSize_.width)
                           : formatNumber(cornerSize_.width) + "x" + formatNumber(cornerSize_.height);
  return "RoundedRectangle(cornerRadius: " + radius +
         (style_ == RoundedCornerStyle::circular ? ", style: circular)" : ")");
}

Path CapsuleShape::path(Rect rect) const {
  double r = std::min(rect.width(), rect.height()) / 2;
  return roundedRectPath(rect, r, r);
}
std::string CapsuleShape::description() const { return "Capsule"; }

Path CircleShape::path(Rect rect) const {
  Path path;
  double r = std::min(rect.width(), rect.height()) / 2;
  path.addArc({rect.midX(), rect.midY()}, r, Angle::radians(0),
              Angle::radians(2 * std::numbers::pi), false);
  path.closeSubpath();
  return path;
}
std::string CircleShape::description() const { return "Circle"; }

Path PathShape::path(Rect) const { return path_; }
std::string PathShape::description() const { return "Path"; }

AnyShape Rectangle() { return AnyShape(std::make_shared<RectangleShape>()); }
AnyShape RoundedRectangle(double cornerRadius, RoundedCornerStyle style) {
  return RoundedRectangle(Size{cornerRadius, cornerRadius}, style);
}
AnyShape RoundedRectangle(Size cornerSize, RoundedCornerStyle style) {
  return AnyShape(std::make_shared<RoundedRectangleShape>(cornerSize, style));
}
AnyShape Capsule() { return AnyShape(std::make_shared<CapsuleShape>()); }
AnyShape Circle() { return AnyShape(std::make_shared<CircleShape>()); }
AnyShape PathAsShape(Path path) { return AnyShape(std::make_shared<PathShape>(std::move(path))); }

}  // namespace platform::ui
