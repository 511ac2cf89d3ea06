#include "keyloom/appearance/CustomRoundedRectangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace keyloom {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::ui::PathElement;
using Kind = PathElement::Kind;

std::vector<double> arcRadii(const platform::ui::Path& path) {
  std::vector<double> radii;
  for (const auto& element : path.elements()) {
    if (element.kind == Kind::arc) radii.push_back(element.radius);
  }
  return radii;
}

TEST(CustomRoundedRectangle, OutlineGoesRoundFromTheTopMiddle) {
  const auto path = CustomRoundedRectangle(1, 2, 3, 4).path(Rect(Point{0, 0}, Size{100, 40}));
  const auto& e = path.elements();
  ASSERT_EQ(e.size(), 9u);
  EXPECT_EQ(e[0], PathElement::move(Point{50, 0}));
  EXPECT_EQ(e[1], PathElement::line(Point{98, 0}));
  EXPECT_EQ(e[2].center, (Point{98, 2}));
  EXPECT_EQ(e[3], PathElement::line(Point{100, 36}));
  EXPECT_EQ(e[4].center, (Point{96, 36}));
  EXPECT_EQ(e[5], PathElement::line(Point{3, 40}));
  EXPECT_EQ(e[6].center, (Point{3, 37}));
  EXPECT_EQ(e[7], PathElement::line(Point{0, 1}));
  EXPECT_EQ(e[8].center, (Point{1, 1}));
  EXPECT_EQ(arcRadii(path), (std::vector<double>{2, 4, 3, 1}));
  for (int i : {2, 4, 6, 8}) EXPECT_FALSE(e[i].clockwise);
  // Not closed: the last arc ends on the top edge.
  EXPECT_NE(e.back().kind, Kind::close);
}

TEST(CustomRoundedRectangle, RadiiAreClampedToHalfTheShorterSide) {
  const auto path = CustomRoundedRectangle(1000, 1000, 1000, 1000).path(Rect(Point{0, 0}, Size{100, 40}));
  EXPECT_EQ(arcRadii(path), (std::vector<double>{20, 20, 20, 20}));
  const auto square = CustomRoundedRectangle(0, 0, 0, 0).path(Rect(Point{0, 0}, Size{10, 10}));
  EXPECT_EQ(square.elements()[0], PathElement::move(Point{5, 0}));
  EXPECT_EQ(arcRadii(square), (std::vector<double>{0, 0, 0, 0}));
}

TEST(CustomRoundedRectangle, NegativeAndNaNRadiiGiveSquareCorners) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const auto path = CustomRoundedRectangle(-5, nan, 3, 3).path(Rect(Point{0, 0}, Size{10, 10}));
  EXPECT_EQ(arcRadii(path), (std::vector<double>{0, 3, 3, 0}));
}

TEST(CustomRoundedRectangle, NaNSizeGivesAnEmptyPath) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(CustomRoundedRectangle(1, 1, 1, 1).path(Rect(Point{0, 0}, Size{nan, 10})).isEmpty());
  EXPECT_TRUE(CustomRoundedRectangle(1, 1, 1, 1).path(Rect(Point{0, 0}, Size{10, nan})).isEmpty());
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(CustomRoundedRectangle(1, 1, 1, 1).path(Rect(Point{0, 0}, Size{inf, 10})).isEmpty());
}

TEST(CustomRoundedRectangle, OutlineFollowsTheRectangleOrigin) {
  const auto path = CustomRoundedRectangle(2, 2, 2, 2).path(Rect(Point{10, 20}, Size{100, 40}));
  EXPECT_EQ(path.elements()[0], PathElement::move(Point{60, 20}));
  EXPECT_EQ(path.elements()[3], PathElement::line(Point{110, 58}));
}

}  // namespace
}  // namespace keyloom
