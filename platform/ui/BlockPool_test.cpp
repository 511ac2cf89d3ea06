#include "platform/ui/BlockPool.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

namespace platform::ui {
namespace {

TEST(BlockPool, SharedObjectsOfEverySizeLiveAndDieNormally) {
  // Small, mid-sized and larger than any kept block.
  auto small = makeShared<int>(7);
  auto text = makeShared<std::string>(200, 'x');
  auto large = makeShared<std::vector<char>>(std::vector<char>(4096, 'y'));
  std::vector<std::shared_ptr<std::array<char, 700>>> many;
  for (int i = 0; i < 5000; ++i) many.push_back(makeShared<std::array<char, 700>>());
  many.clear();
  EXPECT_EQ(*small, 7);
  EXPECT_EQ(text->size(), 200u);
  EXPECT_EQ(large->back(), 'y');
}

TEST(BlockPool, BlocksMayBeFreedOnAnotherThreadAndAfterTheThreadsCache) {
  auto made = makeShared<std::string>("made here");
  std::thread([made = std::move(made)]() mutable {
    // Made before the thread's cache, so destroyed after it at thread exit.
    thread_local std::shared_ptr<std::string> outlivesTheCache;
    outlivesTheCache = makeShared<std::string>("late");
    made.reset();  // freed into this thread's cache
  }).join();
  auto again = makeShared<std::string>("again");
  EXPECT_EQ(*again, "again");
}

}  // namespace
}  // namespace platform::ui
