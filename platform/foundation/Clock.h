#pragma once

#include <memory>

#include "platform/foundation/Date.h"

namespace platform {

// Where the process reads the time. Everything that measures elapsed time
// (double taps, repeat gestures, main-queue deadlines) reads Clock::current(),
// so tests can move time without sleeping.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date now() const = 0;

  static Clock& current();
  static std::shared_ptr<Clock> currentShared();
  static void setCurrent(std::shared_ptr<Clock> clock);
};

// Wall time at start-up, then advanced by the monotonic clock: it never runs
// backwards when the system time is changed.
class SystemClock : public Clock {
 public:
  SystemClock();
  Date now() const override;

 private:
  Date anchor_;
  double anchorSteadySeconds_;
};

// A clock that only moves when told to.
class ManualClock : public Clock {
 public:
  explicit ManualClock(Date start = Date(800000000.0)) : now_(start) {}
  Date now() const override { return now_; }
  void advance(TimeInterval seconds) { now_ = now_.addingTimeInterval(seconds); }
  void set(Date date) { now_ = date; }

 private:
  Date now_;
};

// The current clock as a manual clock; null when the process runs on real time.
std::shared_ptr<ManualClock> currentManualClock();

}  // namespace platform
