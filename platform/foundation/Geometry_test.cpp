#include "platform/foundation/Geometry.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(GeometryTest, EdgesOfARectWithANegativeSizeAreStandardized) {
  const Rect r(10, 20, -4, 6);
  EXPECT_EQ(r.minX(), 6);
  EXPECT_EQ(r.maxX(), 10);
  EXPECT_EQ(r.midX(), 8);
  EXPECT_EQ(r.standardized(), Rect(6, 20, 4, 6));
}

TEST(GeometryTest, ContainsIsHalfOpen) {
  const Rect r(0, 0, 10, 10);
  EXPECT_TRUE(r.contains({0, 0}));
  EXPECT_TRUE(r.contains({9.999, 5}));
  EXPECT_FALSE(r.contains({10, 5}));
  EXPECT_FALSE(r.contains({5, -0.001}));
}

TEST(GeometryTest, AnInsetThatLeavesNothingIsNull) {
  const Rect r(0, 0, 10, 4);
  EXPECT_EQ(r.insetBy(1, 1), Rect(1, 1, 8, 2));
  EXPECT_EQ(r.insetBy(-1, 0), Rect(-1, 0, 12, 4));
  EXPECT_EQ(r.insetBy(0, 2), Rect(0, 2, 10, 0));
  EXPECT_TRUE(r.insetBy(0, 2.5).isNull());
  EXPECT_TRUE(r.insetBy(0, 2.5).isEmpty());
  EXPECT_FALSE(Rect::null().contains({0, 0}));
  EXPECT_TRUE(Rect::null().offsetBy(1, 1).isNull());
}

TEST(GeometryTest, EdgeInsetsSumTheirSides) {
  const EdgeInsets insets(1, 2, 3, 4);
  EXPECT_EQ(insets.horizontal(), 6);
  EXPECT_EQ(insets.vertical(), 4);
  EXPECT_EQ(EdgeInsets(5), EdgeInsets(5, 5, 5, 5));
}

}  // namespace
}  // namespace platform
