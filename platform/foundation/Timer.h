#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/foundation/Date.h"

namespace platform {

// A one-shot or repeating timer on the main queue, read on the process clock.
//
// Like the platform's run loop, the main queue keeps a scheduled timer alive
// until it is invalidated (or, for a one-shot timer, has fired); callers keep
// the returned pointer only to invalidate or inspect it. A repeating timer
// fires at start + interval, start + 2 * interval, ... without drift; ticks
// missed because the loop ran late are skipped, not fired in a burst.
class Timer : public std::enable_shared_from_this<Timer> {
 public:
  using Action = std::function<void(Timer&)>;

  static std::shared_ptr<Timer> scheduledTimer(TimeInterval interval, bool repeats, Action action);
  static std::shared_ptr<Timer> scheduledTimer(TimeInterval interval, bool repeats, std::function<void()> action);

  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Stops the timer for good and releases its action. Safe from inside the action.
  void invalidate();
  bool isValid() const { return static_cast<bool>(action_); }

  // Runs the action now, outside the schedule. A repeating timer keeps its
  // schedule; a one-shot timer is invalidated, as if it had fired on time.
  void fire();

  TimeInterval timeInterval() const { return interval_; }
  bool repeats() const { return repeats_; }
  // When the next scheduled tick is due.
  Date fireDate() const { return fireDate_; }

  // The shortest interval of a repeating timer; a shorter one would starve the queue.
  static constexpr TimeInterval minimumRepeatInterval = 0.0001;

 private:
  struct Private {};

 public:
  Timer(Private, TimeInterval interval, bool repeats, Action action);

 private:
  void schedule();
  void tick();
  void runAction();

  TimeInterval interval_;
  bool repeats_;
  Date start_;
  Date fireDate_;
  std::uint64_t ticks_ = 0;
  // Shared so a tick keeps the action alive while it runs even if it invalidates the timer.
  std::shared_ptr<Action> action_;
};

}  // namespace platform
