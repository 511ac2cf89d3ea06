#include "platform/ui/Path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/ui/Shape.h"

namespace platform::ui {
namespace {

constexpr double pi = std::numbers::pi;

void expectNear(Point actual, Point expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

// A fillet shape written the way keyboard code writes custom shapes.
class Fillet : public Shape {
 public:
  Path path(Rect r) const override {
    Path path;
    if (std::isnan(r.width()) || std::isnan(r.height())) return path;
    path.move({r.minX(), r.maxY()});
    path.addCurve({r.maxX(), r.minY()}, {r.minX(), r.maxY() - r.minY()}, {0, 0});
    path.addLine({r.minX(), r.minY()});
    path.addLine({r.minX(), r.maxY()});
    return path;
  }
};

TEST(Path, KeepsItsElementsForInspection) {
  Path path = Fillet().path(Rect(0, 0, 10, 8));
  EXPECT_EQ(path.elements(),
            (std::vector<PathElement>{PathElement::move({0, 8}),
                                      PathElement::curve({10, 0}, {0, 8}, {0, 0}),
                                      PathElement::line({0, 0}), PathElement::line({0, 8})}));
  EXPECT_EQ(path.currentPoint(), (Point{0, 8}));
  EXPECT_TRUE(Fillet().path(Rect(0, 0, NAN, 8)).isEmpty());
  EXPECT_EQ(AnyShape(std::make_shared<Fillet>()).description(), "Fillet");
}

TEST(Path, ArcsSweepIncreasingAnglesUnlessClockwiseAndEndOnTheCircle) {
  Path path;
  path.move({5, 0});
  path.addArc({5, 5}, 5, Angle::radians(-pi / 2), Angle::radians(0), false);
  expectNear(path.currentPoint(), {10, 5});
  path.addArc({5, 5}, 5, Angle::radians(0), Angle::radians(pi / 2), false);
  expectNear(path.currentPoint(), {5, 10});
  EXPECT_EQ(path.elements()[1].kind, PathElement::Kind::arc);
  EXPECT_FALSE(path.elements()[1].clockwise);
  path.closeSubpath();
  EXPECT_EQ(path.currentPoint(), (Point{5, 0})) << "closing returns to the subpath's start";
  EXPECT_EQ(Angle::degrees(180).radians(), pi);
}

TEST(Shape, RoundedRectanglesClampTheirRadiusAndCapsulesUseHalfTheShorterSide) {
  Path capsule = Capsule().path(Rect(0, 0, 100, 40));
  Path clamped = RoundedRectangle(1000).path(Rect(0, 0, 100, 40));
  EXPECT_EQ(capsule, clamped);
  ASSERT_EQ(capsule.elements()[2].kind, PathElement::Kind::arc);
  EXPECT_EQ(capsule.elements()[2].radius, 20);

  Path square = RoundedRectangle(0).path(Rect(2, 3, 10, 4));
  EXPECT_EQ(square, Rectangle().path(Rect(2, 3, 10, 4)));
  EXPECT_EQ(square.elements().front(), PathElement::move({2, 3}));
  EXPECT_EQ(RoundedRectangle(5).description(), "RoundedRectangle(cornerRadius: 5)");
  EXPECT_NE(RoundedRectangle(5).as<RoundedRectangleShape>(), nullptr);
  EXPECT_EQ(RoundedRectangle(5).as<RoundedRectangleShape>()->cornerSize(), (Size{5, 5}));
}

}  // namespace
}  // namespace platform::ui
