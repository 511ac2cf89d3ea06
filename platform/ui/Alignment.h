#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::ui {

enum class HorizontalAlignment { leading, center, trailing };
inline constexpr std::array<std::string_view, 3> horizontalAlignmentNames = {"leading", "center",
                                                                             "trailing"};

enum class VerticalAlignment { top, center, bottom };
inline constexpr std::array<std::string_view, 3> verticalAlignmentNames = {"top", "center",
                                                                           "bottom"};

// Where a child sits inside the space its container gives it.
struct Alignment {
  HorizontalAlignment horizontal = HorizontalAlignment::center;
  VerticalAlignment vertical = VerticalAlignment::center;

  static constexpr Alignment center() { return {}; }
  static constexpr Alignment leading() { return {HorizontalAlignment::leading, VerticalAlignment::center}; }
  static constexpr Alignment trailing() { return {HorizontalAlignment::trailing, VerticalAlignment::center}; }
  static constexpr Alignment top() { return {HorizontalAlignment::center, VerticalAlignment::top}; }
  static constexpr Alignment bottom() { return {HorizontalAlignment::center, VerticalAlignment::bottom}; }
  static constexpr Alignment topLeading() { return {HorizontalAlignment::leading, VerticalAlignment::top}; }
  static constexpr Alignment topTrailing() { return {HorizontalAlignment::trailing, VerticalAlignment::top}; }
  static constexpr Alignment bottomLeading() { return {HorizontalAlignment::leading, VerticalAlignment::bottom}; }
  static constexpr Alignment bottomTrailing() { return {HorizontalAlignment::trailing, VerticalAlignment::bottom}; }

  // "center", "topLeading", "bottom".
  std::string description() const;

  bool operator==(const Alignment&) const = default;
};

std::string_view name(HorizontalAlignment alignment);
std::string_view name(VerticalAlignment alignment);

// A point in a view's unit square: (0, 0) is the top leading corner, (1, 1)
// the bottom trailing one.
struct UnitPoint {
  double x = 0;
  double y = 0;

  static constexpr UnitPoint zero() { return {0, 0}; }
  static constexpr UnitPoint center() { return {0.5, 0.5}; }
  static constexpr UnitPoint top() { return {0.5, 0}; }
  static constexpr UnitPoint bottom() { return {0.5, 1}; }
  static constexpr UnitPoint leading() { return {0, 0.5}; }
  static constexpr UnitPoint trailing() { return {1, 0.5}; }
  static constexpr UnitPoint topLeading() { return {0, 0}; }
  static constexpr UnitPoint topTrailing() { return {1, 0}; }
  static constexpr UnitPoint bottomLeading() { return {0, 1}; }
  static constexpr UnitPoint bottomTrailing() { return {1, 1}; }

  std::string description() const;

  bool operator==(const UnitPoint&) const = default;
};

enum class Edge { top, leading, bottom, trailing };
inline constexpr std::array<std::string_view, 4> edgeNames = {"top", "leading", "bottom",
                                                              "trailing"};

// A set of edges, for padding and the like.
class EdgeSet {
 public:
  constexpr EdgeSet() = default;
  constexpr EdgeSet(Edge edge) : bits_(bit(edge)) {}  // NOLINT: an edge is a one-edge set

  static constexpr EdgeSet none() { return EdgeSet(); }
  static constexpr EdgeSet top() { return Edge::top; }
  static constexpr EdgeSet leading() { return Edge::leading; }
  static constexpr EdgeSet bottom() { return Edge::bottom; }
  static constexpr EdgeSet trailing() { return Edge::trailing; }
  static constexpr EdgeSet horizontal() { return leading() | trailing(); }
  static constexpr EdgeSet vertical() { return top() | bottom(); }
  static constexpr EdgeSet all() { return horizontal() | vertical(); }

  constexpr bool contains(Edge edge) const { return (bits_ & bit(edge)) != 0; }
  constexpr bool isEmpty() const { return bits_ == 0; }
  friend constexpr EdgeSet operator|(EdgeSet a, EdgeSet b) {
    EdgeSet result;
    result.bits_ = a.bits_ | b.bits_;
    return result;
  }

  bool operator==(const EdgeSet&) const = default;

 private:
  static constexpr std::uint8_t bit(Edge edge) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(edge));
  }
  std::uint8_t bits_ = 0;
};

enum class Axis { horizontal, vertical };
inline constexpr std::array<std::string_view, 2> axisNames = {"horizontal", "vertical"};

// An angle; stored in radians.
class Angle {
 public:
  constexpr Angle() = default;
  static constexpr Angle radians(double value) { return Angle(value); }
  static constexpr Angle degrees(double value) { return Angle(value * 3.14159265358979323846 / 180); }

  constexpr double radians() const { return radians_; }
  constexpr double degrees() const { return radians_ * 180 / 3.14159265358979323846; }

  bool operator==(const Angle&) const = default;

 private:
  explicit constexpr Angle(double radians) : radians_(radians) {}
  double radians_ = 0;
};

// How content with its own aspect ratio meets a frame of another.
enum class ContentMode { fit, fill };
inline constexpr std::array<std::string_view, 2> contentModeNames = {"fit", "fill"};

}  // namespace platform::ui
