#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/ProcessState.h"

namespace {

// Every process-wide value (shared instances, settable presets, the main
// queue and its clock) goes back to its initial state before each test, so
// tests never see each other's leftovers.
class ProcessStateReset : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { platform::resetProcessState(); }
  void OnTestEnd(const ::testing::TestInfo&) override { platform::resetProcessState(); }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleMock(&argc, argv);
  platform::enableTestMode();
  ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateReset);
  return RUN_ALL_TESTS();
}
