#include "keyloom/appearance/Preset.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/ProcessState.h"

namespace keyloom {
namespace {

std::atomic<int> made{0};

// Slow to make, so that threads starting together all find it unmade.
std::string& slowPreset() {
  static Preset<std::string> preset([] {
    ++made;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return std::string("standard");
  });
  return preset.get();
}

TEST(Preset, ConcurrentFirstReadsMakeItOnce) {
  made = 0;
  constexpr int threads = 8;
  std::latch start(threads);
  std::vector<const std::string*> seen(threads);
  std::vector<std::thread> workers;
  for (int i = 0; i < threads; ++i) {
    workers.emplace_back([&, i] {
      start.arrive_and_wait();
      seen[i] = &slowPreset();
    });
  }
  for (auto& worker : workers) worker.join();
  EXPECT_EQ(made, 1);
  for (const auto* value : seen) {
    EXPECT_EQ(value, seen[0]);
    EXPECT_EQ(*value, "standard");
  }
}

TEST(Preset, KeepsWhatIsAssignedUntilTheProcessReset) {
  made = 0;
  slowPreset() = "custom";
  EXPECT_EQ(slowPreset(), "custom");
  EXPECT_EQ(made, 1);
  platform::resetProcessState();
  EXPECT_EQ(slowPreset(), "standard");
  EXPECT_EQ(made, 2) << "made anew after the reset";
}

}  // namespace
}  // namespace keyloom
