#include "keyloom/state/ScreenSizes.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(ScreenSizes, ExactMatchInEitherOrientation) {
  EXPECT_TRUE(isScreenSize({1366, 1024}, iPadProLargeScreenPortrait));
  EXPECT_TRUE(isScreenSize({1024, 1366}, iPadProLargeScreenPortrait));
  EXPECT_FALSE(isScreenSize({1366, 1023}, iPadProLargeScreenPortrait));
  EXPECT_EQ(flipped(iPadScreenPortrait), iPadScreenLandscape);
}

TEST(ScreenSizes, ToleranceBoundsAreExclusive) {
  EXPECT_TRUE(isScreenSize({430, 932}, iPhoneProMaxScreenPortrait, 10));
  EXPECT_TRUE(isScreenSize({932, 430}, iPhoneProMaxScreenPortrait, 10));
  EXPECT_FALSE(isScreenSize({438, 926}, iPhoneProMaxScreenPortrait, 10));
  EXPECT_FALSE(isScreenSize({418, 926}, iPhoneProMaxScreenPortrait, 10));
  EXPECT_TRUE(isScreenSize({437.5, 926}, iPhoneProMaxScreenPortrait, 10));
  // A tolerance of 0 leaves no open interval, so not even the exact size matches.
  EXPECT_FALSE(isScreenSize(iPhoneProMaxScreenPortrait, iPhoneProMaxScreenPortrait, 0));
}

}  // namespace
}  // namespace keyloom
