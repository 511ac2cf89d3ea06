#include "keyloom/state/RepeatGestureTimer.h"

#include <gtest/gtest.h>

#include "platform/foundation/MainQueue.h"

namespace keyloom {
namespace {

void advance(double seconds) { platform::MainQueue::main().advance(seconds); }

TEST(RepeatGestureTimer, FirstTickComesOneIntervalAfterStart) {
  RepeatGestureTimer timer;
  int ticks = 0;
  timer.start([&] { ++ticks; });
  EXPECT_TRUE(timer.isActive());
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(ticks, 0);
  advance(0.099);
  EXPECT_EQ(ticks, 0);
  advance(0.002);
  EXPECT_EQ(ticks, 1);
  advance(0.9);
  EXPECT_EQ(ticks, 10);
}

TEST(RepeatGestureTimer, SecondStartWhileRunningChangesNothing) {
  RepeatGestureTimer timer;
  int a = 0;
  int b = 0;
  timer.start([&] { ++a; });
  advance(1.05);
  timer.start([&] { ++b; });
  ASSERT_TRUE(timer.duration().has_value());
  EXPECT_NEAR(*timer.duration(), 1.05, 1e-6);  // the first start still counts
  advance(0.5);
  EXPECT_EQ(a, 15);
  EXPECT_EQ(b, 0);

  timer.stop();
  timer.start([&] { ++b; });
  advance(0.25);
  EXPECT_EQ(a, 15);
  EXPECT_EQ(b, 2);
}

TEST(RepeatGestureTimer, StopIsIdempotentAndEndsTheTicks) {
  RepeatGestureTimer timer;
  timer.stop();
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(timer.duration(), std::nullopt);

  int ticks = 0;
  timer.start([&] { ++ticks; });
  advance(0.25);
  timer.stop();
  timer.stop();
  advance(1.0);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(timer.duration(), std::nullopt);
}

TEST(RepeatGestureTimer, DurationGrowsWhileRunning) {
  RepeatGestureTimer timer;
  timer.start([] {});
  advance(2.5);
  ASSERT_TRUE(timer.duration().has_value());
  EXPECT_NEAR(*timer.duration(), 2.5, 1e-6);
}

TEST(RepeatGestureTimer, IntervalIsReadAtStart) {
  RepeatGestureTimer timer;
  timer.setTimeInterval(0.05);
  int ticks = 0;
  timer.start([&] { ++ticks; });
  timer.setTimeInterval(1.0);
  advance(1.01);
  EXPECT_EQ(ticks, 20);
}

TEST(RepeatGestureTimer, ActionMayStopTheTimer) {
  RepeatGestureTimer timer;
  int ticks = 0;
  timer.start([&] {
    ++ticks;
    timer.stop();
  });
  advance(1.0);
  EXPECT_EQ(ticks, 1);
}

TEST(RepeatGestureTimer, DestroyingARunningTimerStopsIt) {
  int ticks = 0;
  {
    RepeatGestureTimer timer;
    timer.start([&] { ++ticks; });
  }
  advance(1.0);
  EXPECT_EQ(ticks, 0);
}

TEST(RepeatGestureTimer, SharedInstanceIsOneObject) {
  EXPECT_EQ(RepeatGestureTimer::shared(), RepeatGestureTimer::shared());
  EXPECT_DOUBLE_EQ(RepeatGestureTimer::shared()->timeInterval(), 0.1);
}

}  // namespace
}  // namespace keyloom
