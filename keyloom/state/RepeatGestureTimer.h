#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/foundation/Date.h"
#include "platform/foundation/Timer.h"

namespace keyloom {

// Drives key repeat: while a key is held past its repeat delay, its gesture
// button starts this timer with the key's repeat action, and the timer calls it
// every `timeInterval` seconds until the key is released. One shared instance
// serves the keyboard, so at most one key repeats at a time; the keyboard
// behaviour reads `duration()` to tell how long the current repeat has run.
class RepeatGestureTimer {
 public:
  RepeatGestureTimer() = default;
  ~RepeatGestureTimer();
  RepeatGestureTimer(const RepeatGestureTimer&) = delete;
  RepeatGestureTimer& operator=(const RepeatGestureTimer&) = delete;

  // Created on first use; a test run gets a fresh one after each reset.
  static std::shared_ptr<RepeatGestureTimer> shared();

  // Calls `action` one interval from now and then every interval. While a
  // timer runs this does nothing: the running timer keeps its first action.
  void start(std::function<void()> action);
  // Stops and forgets the running timer. Harmless when idle.
  void stop();

  bool isActive() const { return timer_ != nullptr; }
  // Seconds since the running timer started; absent while idle.
  std::optional<platform::TimeInterval> duration() const;

  // Read when a timer starts; a running timer keeps the interval it started with.
  platform::TimeInterval timeInterval() const { return timeInterval_; }
  void setTimeInterval(platform::TimeInterval interval) { timeInterval_ = interval; }

 private:
  std::shared_ptr<platform::Timer> timer_;
  std::optional<platform::Date> startDate_;
  platform::TimeInterval timeInterval_ = 0.1;
};

}  // namespace keyloom
