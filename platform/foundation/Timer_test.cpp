#include "platform/foundation/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"

namespace platform {
namespace {

double elapsedSince(Date start) { return Date::now().timeIntervalSince(start); }

TEST(Timer, OneShotFiresOnceAtItsDeadline) {
  Date start = Date::now();
  std::vector<double> fired;
  auto timer = Timer::scheduledTimer(0.5, false, [&] { fired.push_back(elapsedSince(start)); });
  EXPECT_TRUE(timer->isValid());
  MainQueue::main().advance(0.49);
  EXPECT_TRUE(fired.empty());
  MainQueue::main().advance(2);
  EXPECT_EQ(fired, std::vector<double>{0.5});
  EXPECT_FALSE(timer->isValid());
}

TEST(Timer, RepeatingTicksAtMultiplesOfTheIntervalWithoutDrift) {
  Date start = Date::now();
  std::vector<double> ticks;
  auto timer = Timer::scheduledTimer(0.1, true, [&] { ticks.push_back(elapsedSince(start)); });
  for (int i = 0; i < 40; ++i) MainQueue::main().advance(0.25);
  MainQueue::main().advance(0.05);  // clear of any rounding in the steps above
  ASSERT_EQ(ticks.size(), 100u);
  // Each deadline is start + n * interval, not the previous tick plus the interval.
  EXPECT_EQ(ticks[99], Date(start.timeIntervalSinceReferenceDate() + 100 * 0.1).timeIntervalSince(start));
  EXPECT_NEAR(ticks[0], 0.1, 1e-6);  // dates near 8e8 s carry about 1e-7 s of precision
  EXPECT_TRUE(timer->isValid());
  timer->invalidate();
  MainQueue::main().advance(1);
  EXPECT_EQ(ticks.size(), 100u);
}

TEST(Timer, KeepsRunningWithoutAnOwnerUntilInvalidated) {
  int ticks = 0;
  Timer::scheduledTimer(1, true, [&](Timer& timer) {
    if (++ticks == 3) timer.invalidate();
  });
  MainQueue::main().advance(10);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(MainQueue::main().pendingCount(), 0u);
}

TEST(Timer, InvalidateInsideTheCallbackReleasesTheActionSafely) {
  auto guard = std::make_shared<int>(0);
  std::shared_ptr<Timer> timer;
  int ticks = 0;
  timer = Timer::scheduledTimer(0.1, true, [&, guard] {
    ++ticks;
    timer->invalidate();  // destroys this closure's owner; the tick keeps it alive until it returns
    EXPECT_EQ(*guard, 0);
  });
  MainQueue::main().advance(1);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(guard.use_count(), 1);
}

TEST(Timer, FireRunsNowAndOnlyInvalidatesAOneShotTimer) {
  int repeating = 0, oneShot = 0;
  auto a = Timer::scheduledTimer(1, true, [&] { ++repeating; });
  auto b = Timer::scheduledTimer(1, false, [&] { ++oneShot; });
  a->fire();
  b->fire();
  EXPECT_EQ(repeating, 1);
  EXPECT_EQ(oneShot, 1);
  EXPECT_TRUE(a->isValid());
  EXPECT_FALSE(b->isValid());
  MainQueue::main().advance(1);
  EXPECT_EQ(repeating, 2);
  EXPECT_EQ(oneShot, 1);
  b->fire();
  EXPECT_EQ(oneShot, 1);
}

TEST(Timer, TimersAndQueuedWorkWithEqualDeadlinesRunInPostingOrder) {
  std::string log;
  auto& queue = MainQueue::main();
  queue.asyncAfter(0.3, [&] { log += "a"; });
  auto timer = Timer::scheduledTimer(0.3, false, [&] { log += "t"; });
  queue.asyncAfter(0.3, [&] { log += "b"; });
  queue.asyncAfter(0.2, [&] { log += "0"; });
  queue.advance(0.3);
  EXPECT_EQ(log, "0atb");
}

TEST(Timer, ZeroIntervalRepeatingTimerDoesNotStarveTheQueue) {
  int ticks = 0;
  auto timer = Timer::scheduledTimer(0, true, [&] { ++ticks; });
  MainQueue::main().runUntilIdle();
  MainQueue::main().advance(0.001);
  EXPECT_EQ(timer->timeInterval(), Timer::minimumRepeatInterval);
  EXPECT_GE(ticks, 9);
  EXPECT_LE(ticks, 11);
  timer->invalidate();
}

}  // namespace
}  // namespace platform
