#include "platform/foundation/Clock.h"

#include <chrono>

#include "platform/foundation/ProcessState.h"

namespace platform {

namespace {

double steadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Seconds between the Unix epoch and the reference date.
constexpr double referenceDateUnixSeconds = 978307200.0;

std::shared_ptr<Clock> makeDefaultClock() {
  if (isTestMode()) return std::make_shared<ManualClock>();
  return std::make_shared<SystemClock>();
}

std::shared_ptr<Clock>& clockSlot() {
  static std::shared_ptr<Clock> clock = [] {
    registerProcessReset([] { clockSlot() = makeDefaultClock(); });
    return makeDefaultClock();
  }();
  return clock;
}

}  // namespace

Clock& Clock::current() { return *clockSlot(); }
std::shared_ptr<Clock> Clock::currentShared() { return clockSlot(); }
void Clock::setCurrent(std::shared_ptr<Clock> clock) { clockSlot() = std::move(clock); }

SystemClock::SystemClock() : anchorSteadySeconds_(steadySeconds()) {
  using namespace std::chrono;
  double unix = duration<double>(system_clock::now().time_since_epoch()).count();
  anchor_ = Date(unix - referenceDateUnixSeconds);
}

Date SystemClock::now() const { return anchor_.addingTimeInterval(steadySeconds() - anchorSteadySeconds_); }

std::shared_ptr<ManualClock> currentManualClock() {
  return std::dynamic_pointer_cast<ManualClock>(clockSlot());
}

Date Date::now() { return Clock::current().now(); }
TimeInterval Date::timeIntervalSinceNow() const { return timeIntervalSince(now()); }

}  // namespace platform
