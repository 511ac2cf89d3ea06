#include "platform/foundation/Timer.h"

#include <algorithm>

#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"

namespace platform {

std::shared_ptr<Timer> Timer::scheduledTimer(TimeInterval interval, bool repeats, Action action) {
  auto timer = std::make_shared<Timer>(Private{}, interval, repeats, std::move(action));
  timer->schedule();
  return timer;
}

std::shared_ptr<Timer> Timer::scheduledTimer(TimeInterval interval, bool repeats, std::function<void()> action) {
  return scheduledTimer(interval, repeats, Action([action = std::move(action)](Timer&) { action(); }));
}

Timer::Timer(Private, TimeInterval interval, bool repeats, Action action)
    : interval_(repeats ? std::max(interval, minimumRepeatInterval) : std::max(interval, 0.0)),
      repeats_(repeats),
      start_(Clock::current().now()),
      action_(action ? std::make_shared<Action>(std::move(action)) : nullptr) {}

void Timer::invalidate() { action_.reset(); }

void Timer::fire() {
  if (!isValid()) return;
  runAction();
  if (!repeats_) invalidate();
}

void Timer::schedule() {
  if (!isValid()) return;
  // Each deadline is computed from the start, so rounding never accumulates.
  Date now = Clock::current().now();
  do {
    ++ticks_;
    fireDate_ = start_.addingTimeInterval(static_cast<double>(ticks_) * interval_);
  } while (repeats_ && fireDate_ < now);
  MainQueue::main().asyncAt(fireDate_, [self = shared_from_this()] { self->tick(); });
}

void Timer::tick() {
  if (!isValid()) return;
  runAction();
  if (!repeats_) {
    invalidate();
    return;
  }
  schedule();
}

void Timer::runAction() {
  auto action = action_;
  (*action)(*this);
}

}  // namespace platform
