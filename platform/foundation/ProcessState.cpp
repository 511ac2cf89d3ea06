#include "platform/foundation/ProcessState.h"

#include <vector>

namespace platform {

namespace {

std::vector<std::function<void()>>& resets() {
  static std::vector<std::function<void()>> all;
  return all;
}

bool testMode = false;

}  // namespace

void registerProcessReset(std::function<void()> reset) { resets().push_back(std::move(reset)); }

void resetProcessState() {
  // A reset may touch a value whose own reset registers late (first use), so
  // iterate by index over a list that can grow.
  for (std::size_t i = 0; i < resets().size(); ++i) {
    auto reset = resets()[i];
    reset();
  }
}

void enableTestMode() {
  testMode = true;
  resetProcessState();
}

bool isTestMode() { return testMode; }

}  // namespace platform
