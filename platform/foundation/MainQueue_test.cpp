#include "platform/foundation/MainQueue.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/foundation/Clock.h"

namespace platform {
namespace {

TEST(MainQueue, RunsPostedWorkLaterInPostingOrder) {
  std::string log;
  MainQueue::main().async([&] { log += "a"; });
  MainQueue::main().async([&] {
    log += "b";
    MainQueue::main().async([&] { log += "d"; });
  });
  MainQueue::main().async([&] { log += "c"; });
  EXPECT_EQ(log, "");
  EXPECT_EQ(MainQueue::main().runUntilIdle(), 4u);
  EXPECT_EQ(log, "abcd");
}

TEST(MainQueue, DelayedWorkRunsAtItsVirtualDeadlineFifoForEqualDeadlines) {
  std::string log;
  auto& queue = MainQueue::main();
  queue.asyncAfter(0.5, [&] { log += "x"; });
  queue.asyncAfter(0.2, [&] { log += "1"; });
  queue.asyncAfter(0.2, [&] { log += "2"; });
  queue.runUntilIdle();
  EXPECT_EQ(log, "");
  queue.advance(0.2);
  EXPECT_EQ(log, "12");
  queue.advance(0.29);
  EXPECT_EQ(log, "12");
  queue.advance(0.01);
  EXPECT_EQ(log, "12x");
}

TEST(MainQueue, AdvanceRunsChainedDeadlinesAtTheirOwnTimes) {
  auto clock = currentManualClock();
  ASSERT_TRUE(clock);
  Date start = clock->now();
  std::vector<double> times;
  auto& queue = MainQueue::main();
  queue.asyncAfter(1, [&] {
    times.push_back(Date::now().timeIntervalSince(start));
    queue.asyncAfter(1, [&] { times.push_back(Date::now().timeIntervalSince(start)); });
  });
  queue.advance(5);
  EXPECT_EQ(times, (std::vector<double>{1, 2}));
  EXPECT_DOUBLE_EQ(Date::now().timeIntervalSince(start), 5);
}

TEST(MainQueue, WorkPostedFromAnotherThreadRuns) {
  bool ran = false;
  std::thread worker([] { MainQueue::main().async([] {}); });
  std::thread worker2([&] { MainQueue::main().async([&] { ran = true; }); });
  worker.join();
  worker2.join();
  EXPECT_TRUE(MainQueue::main().runUntil([&] { return ran; }, 2.0));
}

TEST(MainQueue, ResetDropsPendingWork) {
  bool ran = false;
  MainQueue::main().async([&] { ran = true; });
  MainQueue::main().clear();
  MainQueue::main().runUntilIdle();
  EXPECT_FALSE(ran);
  EXPECT_EQ(MainQueue::main().pendingCount(), 0u);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

// A task whose captures post to the queue when they are destroyed must not
// deadlock the queue.
struct PostsWhenDestroyed {
  std::shared_ptr<bool> ran = std::make_shared<bool>(false);
  ~PostsWhenDestroyed() {
    auto flag = ran;
    MainQueue::main().async([flag] { *flag = true; });
  }
};

TEST(MainQueue, TaskDestructorMayPost) {
  auto ran = std::make_shared<bool>(false);
  {
    auto capture = std::make_shared<PostsWhenDestroyed>();
    capture->ran = ran;
    MainQueue::main().async([capture] {});
  }
  MainQueue::main().runUntilIdle();
  EXPECT_TRUE(*ran);
}

}  // namespace
}  // namespace platform
