#include "platform/ui/Path.h"

#include <cmath>

#include "platform/ui/Color.h"

namespace platform::ui {

namespace {
std::string text(Point p) { return "(" + formatNumber(p.x) + ", " + formatNumber(p.y) + ")"; }

Point pointOnCircle(Point center, double radius, Angle angle) {
  return {center.x + radius * std::cos(angle.radians()),
          center.y + radius * std::sin(angle.radians())};
}
}  // namespace

PathElement PathElement::move(Point to) {
  PathElement e;
  e.kind = Kind::move;
  e.to = to;
  return e;
}

PathElement PathElement::line(Point to) {
  PathElement e;
  e.kind = Kind::line;
  e.to = to;
  return e;
}

PathElement PathElement::quadCurve(Point to, Point control) {
  PathElement e;
  e.kind = Kind::quadCurve;
  e.to = to;
  e.control1 = control;
  return e;
}

PathElement PathElement::curve(Point to, Point control1, Point control2) {
  PathElement e;
  e.kind = Kind::curve;
  e.to = to;
  e.control1 = control1;
  e.control2 = control2;
  return e;
}

PathElement PathElement::arc(Point center, double radius, Angle startAngle, Angle endAngle,
                             bool clockwise) {
  PathElement e;
  e.kind = Kind::arc;
  e.center = center;
  e.radius = radius;
  e.startAngle = startAngle;
  e.endAngle = endAngle;
  e.clockwise = clockwise;
  return e;
}

PathElement PathElement::close() {
  PathElement e;
  e.kind = Kind::close;
  return e;
}

std::string PathElement::description() const {
  switch (kind) {
    case Kind::move:
      return "move " + text(to);
    case Kind::line:
      return "line " + text(to);
    case Kind::quadCurve:
      return "quadCurve " + text(to) + " control " + text(control1);
    case Kind::curve:
      return "curve " + text(to) + " controls " + text(control1) + " " + text(control2);
    case Kind::arc:
      return "arc center " + text(center) + " radius " + formatNumber(radius) + " from " +
             formatNumber(startAngle.radians()) + " to " + formatNumber(endAngle.radians()) +
             (clockwise ? " clockwise" : " counterclockwise");
    case Kind::close:
      return "close";
  }
  return "";
}

void Path::move(Point to) {
  elements_.push_back(PathElement::move(to));
  current_ = to;
  subpathStart_ = to;
}

void Path::addLine(Point to) {
  elements_.push_back(PathElement::line(to));
  current_ = to;
}

void Path::addQuadCurve(Point to, Point control) {
  elements_.push_back(PathElement::quadCurve(to, control));
  current_ = to;
}

void Path::addCurve(Point to, Point control1, Point control2) {
  elements_.push_back(PathElement::curve(to, control1, control2));
  current_ = to;
}

void Path::addArc(Point center, double radius, Angle startAngle, Angle endAngle, bool clockwise) {
  if (elements_.empty()) subpathStart_ = pointOnCircle(center, radius, startAngle);
  elements_.push_back(PathElement::arc(center, radius, startAngle, endAngle, clockwise));
  current_ = pointOnCircle(center, radius, endAngle);
}

void Path::closeSubpath() {
  elements_.push_back(PathElement::close());
  current_ = subpathStart_;
}

void Path::addRect(Rect rect) {
  move({rect.minX(), rect.minY()});
  addLine({rect.maxX(), rect.minY()});
  addLine({rect.maxX(), rect.maxY()});
  addLine({rect.minX(), rect.maxY()});
  closeSubpath();
}

void Path::addPath(const Path& other) {
  elements_.insert(elements_.end(), other.elements_.begin(), other.elements_.end());
  if (!other.elements_.empty()) {
    current_ = other.current_;
    subpathStart_ = other.subpathStart_;
  }
}

Point Path::currentPoint() const { return current_; }

std::string Path::description() const {
  std::string result;
  for (const auto& element : elements_) {
    if (!result.empty()) result += "; ";
    result += element.description();
  }
  return result;
}

std::string StrokeStyle::description() const {
  static constexpr const char* caps[] = {"butt", "round", "square"};
  static constexpr const char* joins[] = {"miter", "round", "bevel"};
  std::string result = "lineWidth: " + formatNumber(lineWidth);
  result += ", cap: " + std::string(caps[static_cast<int>(lineCap)]);
  result += ", join: " + std::string(joins[static_cast<int>(lineJoin)]);
  result += ", miterLimit: " + formatNumber(miterLimit);
  if (!dash.empty()) result += ", dashed";
  return result;
}

}  // namespace platform::ui
