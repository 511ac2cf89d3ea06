#pragma once

#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Alignment.h"

namespace platform::ui {

// One step of a path. Only the fields of its kind are meaningful.
struct PathElement {
  enum class Kind { move, line, quadCurve, curve, arc, close };

  Kind kind = Kind::move;
  Point to;        // move, line, quadCurve, curve: the end point
  Point control1;  // quadCurve, curve
  Point control2;  // curve
  Point center;    // arc
  double radius = 0;
  Angle startAngle;
  Angle endAngle;
  bool clockwise = false;

  static PathElement move(Point to);
  static PathElement line(Point to);
  static PathElement quadCurve(Point to, Point control);
  static PathElement curve(Point to, Point control1, Point control2);
  static PathElement arc(Point center, double radius, Angle startAngle, Angle endAngle,
                         bool clockwise);
  static PathElement close();

  std::string description() const;

  bool operator==(const PathElement&) const = default;
};

// An outline made of straight lines, curves and arcs, kept as its elements so
// that tests can read exactly what a shape drew.
//
// Coordinates grow rightwards and downwards. Arc angles are measured from the
// +x axis towards +y, which on screen is clockwise; `clockwise == false`
// sweeps through increasing angles (from -pi/2 to 0 goes round the top-right
// corner). An arc starts with a straight line from the current point to its
// first point, or a move when the path is empty.
class Path {
 public:
  void move(Point to);
  void addLine(Point to);
  void addQuadCurve(Point to, Point control);
  void addCurve(Point to, Point control1, Point control2);
  void addArc(Point center, double radius, Angle startAngle, Angle endAngle, bool clockwise);
  void closeSubpath();
  // A closed rectangle, clockwise on screen from its top-left corner.
  void addRect(Rect rect);
  void addPath(const Path& other);

  const std::vector<PathElement>& elements() const { return elements_; }
  bool isEmpty() const { return elements_.empty(); }
  // Where the next element starts; (0, 0) for an empty path.
  Point currentPoint() const;

  std::string description() const;

  bool operator==(const Path&) const = default;

 private:
  std::vector<PathElement> elements_;
  Point current_;
  Point subpathStart_;
};

// How a path's inside is decided when it is filled or used as a clip.
struct FillStyle {
  bool evenOdd = false;
  bool antialiased = true;

  bool operator==(const FillStyle&) const = default;
};

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

struct StrokeStyle {
  double lineWidth = 1;
  LineCap lineCap = LineCap::butt;
  LineJoin lineJoin = LineJoin::miter;
  double miterLimit = 10;
  std::vector<double> dash = {};
  double dashPhase = 0;

  std::string description() const;

  bool operator==(const StrokeStyle&) const = default;
};

}  // namespace platform::ui
