#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

// Plain geometry values in points. Coordinates grow rightwards and downwards.

struct Point {
  double x = 0;
  double y = 0;

  bool operator==(const Point&) const = default;
};

struct Size {
  double width = 0;
  double height = 0;

  bool operator==(const Size&) const = default;
};

struct Rect {
  Point origin;
  Size size;

  Rect() = default;
  Rect(Point origin, Size size) : origin(origin), size(size) {}
  Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

  double width() const { return size.width; }
  double height() const { return size.height; }

  // Edges are those of the standardised rectangle, so a negative size still
  // gives minX <= maxX.
  double minX() const { return std::min(origin.x, origin.x + size.width); }
  double maxX() const { return std::max(origin.x, origin.x + size.width); }
  double midX() const { return (minX() + maxX()) / 2; }
  double minY() const { return std::min(origin.y, origin.y + size.height); }
  double maxY() const { return std::max(origin.y, origin.y + size.height); }
  double midY() const { return (minY() + maxY()) / 2; }

  bool isEmpty() const { return isNull() || size.width == 0 || size.height == 0; }

  // The result of an inset that leaves no rectangle: an infinite origin and
  // no size.
  static Rect null() {
    const double inf = std::numeric_limits<double>::infinity();
    return Rect(inf, inf, 0, 0);
  }
  bool isNull() const { return std::isinf(origin.x) || std::isinf(origin.y); }

  // The same rectangle with a non-negative size.
  Rect standardized() const { return Rect(minX(), minY(), maxX() - minX(), maxY() - minY()); }
  // Shrinks (grows, for negative values) each side; null when a side would
  // become negative.
  Rect insetBy(double dx, double dy) const {
    if (isNull()) return *this;
    const Rect r = standardized();
    const double width = r.size.width - 2 * dx;
    const double height = r.size.height - 2 * dy;
    if (width < 0 || height < 0) return null();
    return Rect(r.origin.x + dx, r.origin.y + dy, width, height);
  }
  Rect offsetBy(double dx, double dy) const {
    if (isNull()) return *this;
    return Rect(origin.x + dx, origin.y + dy, size.width, size.height);
  }

  // Half-open: a point on the maximum edge is outside, so adjacent
  // rectangles never both contain it.
  bool contains(Point p) const {
    return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
  }

  bool operator==(const Rect&) const = default;
};

struct EdgeInsets {
  double top = 0;
  double leading = 0;
  double bottom = 0;
  double trailing = 0;

  EdgeInsets() = default;
  EdgeInsets(double top, double leading, double bottom, double trailing)
      : top(top), leading(leading), bottom(bottom), trailing(trailing) {}
  // The same inset on all four edges.
  explicit EdgeInsets(double all) : top(all), leading(all), bottom(all), trailing(all) {}

  double horizontal() const { return leading + trailing; }
  double vertical() const { return top + bottom; }

  bool operator==(const EdgeInsets&) const = default;
};

}  // namespace platform
