#include "keyloom/views/CalloutButtonArea.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "keyloom/appearance/CustomRoundedRectangle.h"
#include "keyloom/views/CalloutCurve.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::ui::Color;
using platform::ui::NodeKind;
using platform::ui::PathElement;
using platform::ui::ShapeContent;
using platform::ui::View;
using platform::ui::ViewHost;

KeyboardCalloutStyle style(Size curve, double cornerRadius) {
  KeyboardCalloutStyle s;
  s.backgroundColor = Color::red();
  s.borderColor = Color::blue();
  s.shadowColor = Color::green();
  s.shadowRadius = 5;
  s.curveSize = curve;
  s.buttonCornerRadius = cornerRadius;
  return s;
}

TEST(CalloutCurveTest, OutlineOfTheFilletInItsOwnBounds) {
  const auto path = CalloutCurve().path(Rect(0, 0, 10, 8));
  const std::vector<PathElement> expected = {
      PathElement::move(Point{0, 8}),
      PathElement::curve(Point{10, 0}, Point{0, 8}, Point{0, 0}),
      PathElement::line(Point{0, 0}),
      PathElement::line(Point{0, 8}),
  };
  EXPECT_EQ(path.elements(), expected);
}

TEST(CalloutCurveTest, ControlPointsFollowARectangleAwayFromTheOrigin) {
  const auto path = CalloutCurve().path(Rect(5, 3, 10, 8));
  ASSERT_EQ(path.elements().size(), 4u);
  EXPECT_EQ(path.elements()[1], PathElement::curve(Point{15, 3}, Point{5, 11}, Point{5, 3}));
}

TEST(CalloutCurveTest, NotANumberSizeGivesAnEmptyPath) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(CalloutCurve().path(Rect(0, 0, 10, nan)).isEmpty());
  EXPECT_TRUE(CalloutCurve().path(Rect(0, 0, nan, 8)).isEmpty());
}

class CalloutButtonAreaTest : public ::testing::Test {
 protected:
  // The three pieces of the foot after laying it out at the origin.
  std::vector<std::shared_ptr<platform::ui::Node>> pieces(Rect frame, KeyboardCalloutStyle s) {
    host = std::make_unique<ViewHost>(View(CalloutButtonArea(frame, s)));
    host->layout(Size{300, 300});
    auto stack = host->findAll(NodeKind::hstack);
    EXPECT_EQ(stack.size(), 1u);
    return stack.at(0)->layoutChildren();
  }
  std::unique_ptr<ViewHost> host;
};

TEST_F(CalloutButtonAreaTest, FootIsAMirroredCurveTheKeyAndACurve) {
  auto parts = pieces(Rect(0, 0, 40, 50), style(Size{8, 6}, 4));
  ASSERT_EQ(parts.size(), 3u);
  auto* stack = host->findAll(NodeKind::hstack)[0]->content<platform::ui::HStackContent>();
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(stack->alignment, platform::ui::VerticalAlignment::top);
  EXPECT_EQ(stack->spacing, 0);

  for (const auto& part : parts) {
    auto* shape = part->content<ShapeContent>();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->color, Color::red());
  }
  EXPECT_NE(parts[0]->content<ShapeContent>()->shape.as<CalloutCurve>(), nullptr);
  EXPECT_NE(parts[2]->content<ShapeContent>()->shape.as<CalloutCurve>(), nullptr);
  auto* key = parts[1]->content<ShapeContent>()->shape.as<CustomRoundedRectangle>();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->topLeft(), 0);
  EXPECT_EQ(key->topRight(), 0);
  EXPECT_EQ(key->bottomLeft(), 4);
  EXPECT_EQ(key->bottomRight(), 4);

  auto* mirror = parts[0]->modifier<platform::ui::Rotation3DEffect>();
  ASSERT_NE(mirror, nullptr);
  EXPECT_DOUBLE_EQ(mirror->angle.radians(), std::numbers::pi);
  EXPECT_EQ(mirror->axisY, 1);
  EXPECT_EQ(mirror->axisX, 0);
  EXPECT_EQ(mirror->axisZ, 0);
  EXPECT_EQ(parts[2]->modifier<platform::ui::Rotation3DEffect>(), nullptr);

  // 8 + 40 + 8 wide, as tall as the key, tops aligned.
  EXPECT_EQ(parts[0]->frame.size, (Size{8, 6}));
  EXPECT_EQ(parts[1]->frame.size, (Size{40, 50}));
  EXPECT_EQ(parts[2]->frame.size, (Size{8, 6}));
  EXPECT_EQ(parts[1]->frame.minX() - parts[0]->frame.minX(), 8);
  EXPECT_EQ(parts[2]->frame.minX() - parts[1]->frame.minX(), 40);
  EXPECT_EQ(parts[0]->frame.minY(), parts[1]->frame.minY());
  EXPECT_EQ(parts[2]->frame.minY(), parts[1]->frame.minY());
}

TEST_F(CalloutButtonAreaTest, OnlyTheFrameSizeCounts) {
  auto atOrigin = pieces(Rect(0, 0, 40, 50), style(Size{8, 6}, 4));
  const std::string dumpAtOrigin = host->dump({.frames = true});
  pieces(Rect(120, 70, 40, 50), style(Size{8, 6}, 4));
  EXPECT_EQ(host->dump({.frames = true}), dumpAtOrigin);
}

TEST_F(CalloutButtonAreaTest, ZeroCurveSizeLeavesTheKeyRectangle) {
  auto parts = pieces(Rect(0, 0, 40, 50), style(Size{0, 0}, 4));
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0]->frame.size, (Size{0, 0}));
  EXPECT_EQ(parts[2]->frame.size, (Size{0, 0}));
  EXPECT_EQ(parts[1]->frame.size, (Size{40, 50}));
  EXPECT_EQ(host->findAll(NodeKind::hstack)[0]->frame.size, (Size{40, 50}));
}

TEST_F(CalloutButtonAreaTest, ZeroCornerRadiusGivesSquareBottomCorners) {
  auto parts = pieces(Rect(0, 0, 40, 50), style(Size{8, 6}, 0));
  auto* key = parts.at(1)->content<ShapeContent>()->shape.as<CustomRoundedRectangle>();
  ASSERT_NE(key, nullptr);
  const auto path = key->path(Rect(0, 0, 40, 50));
  for (const auto& element : path.elements()) {
    if (element.kind == PathElement::Kind::arc) {
      EXPECT_EQ(element.radius, 0);
    }
  }
  EXPECT_EQ(key->bottomLeft(), 0);
  EXPECT_EQ(key->bottomRight(), 0);
}

TEST(KeyboardCalloutShadowTest, AddsTheOutlineThenTheShadow) {
  ViewHost host(keyboardCalloutShadow(View(Color::white()).frame(10, 10), style(Size{8, 6}, 4)));
  auto node = host.findAll(NodeKind::color).at(0);
  auto shadows = node->modifiersOfType<platform::ui::Shadow>();
  ASSERT_EQ(shadows.size(), 2u);
  EXPECT_EQ(shadows[0]->color, Color::blue());
  EXPECT_EQ(shadows[0]->radius, 0.4);
  EXPECT_EQ(shadows[0]->x, 0);
  EXPECT_EQ(shadows[0]->y, 0);
  EXPECT_EQ(shadows[1]->color, Color::green());
  EXPECT_EQ(shadows[1]->radius, 5);
  EXPECT_EQ(shadows[1]->x, 0);
  EXPECT_EQ(shadows[1]->y, 0);
}

}  // namespace
}  // namespace keyloom
