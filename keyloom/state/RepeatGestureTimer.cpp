#include "keyloom/state/RepeatGestureTimer.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::shared_ptr<RepeatGestureTimer>& sharedSlot() {
  static std::shared_ptr<RepeatGestureTimer>* slot = [] {
    static std::shared_ptr<RepeatGestureTimer> instance;
    platform::registerProcessReset([] {
      if (instance) instance->stop();
      instance.reset();
    });
    return &instance;
  }();
  return *slot;
}

}  // namespace

RepeatGestureTimer::~RepeatGestureTimer() { stop(); }

std::shared_ptr<RepeatGestureTimer> RepeatGestureTimer::shared() {
  auto& slot = sharedSlot();
  if (!slot) slot = std::make_shared<RepeatGestureTimer>();
  return slot;
}

void RepeatGestureTimer::start(std::function<void()> action) {
  if (timer_) return;
  if (!action) return;  // nothing to repeat
  startDate_ = platform::Date::now();
  // The platform timer's first tick comes one interval after scheduling.
  timer_ = platform::Timer::scheduledTimer(timeInterval_, true, std::move(action));
}

void RepeatGestureTimer::stop() {
  if (timer_) timer_->invalidate();
  timer_.reset();
  startDate_.reset();
}

std::optional<platform::TimeInterval> RepeatGestureTimer::duration() const {
  if (!startDate_) return std::nullopt;
  return platform::Date::now().timeIntervalSince(*startDate_);
}

}  // namespace keyloom
