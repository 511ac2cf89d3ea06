#include "keyloom/gestures/GestureButtonDefaults.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

struct Timings {
  platform::TimeInterval doubleTapTimeout = 0.2;
  platform::TimeInterval longPressDelay = 0.5;
  platform::TimeInterval repeatDelay = 0.5;
};

Timings& timings() {
  static Timings* value = [] {
    static Timings instance;
    platform::registerProcessReset([] { instance = Timings(); });
    return &instance;
  }();
  return *value;
}

}  // namespace

platform::TimeInterval& GestureButtonDefaults::doubleTapTimeout() { return timings().doubleTapTimeout; }
platform::TimeInterval& GestureButtonDefaults::longPressDelay() { return timings().longPressDelay; }
platform::TimeInterval& GestureButtonDefaults::repeatDelay() { return timings().repeatDelay; }

}  // namespace keyloom
