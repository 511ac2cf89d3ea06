#pragma once

#include <compare>

namespace platform {

// Seconds, as the platform measures durations.
using TimeInterval = double;

// A point in time: seconds since the reference date (2001-01-01 00:00:00 UTC).
class Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(TimeInterval sinceReferenceDate) : seconds_(sinceReferenceDate) {}

  // The current time of the process clock (see Clock).
  static Date now();
  static constexpr Date distantPast() { return Date(-63114076800.0); }
  static constexpr Date distantFuture() { return Date(63113904000.0); }

  constexpr TimeInterval timeIntervalSinceReferenceDate() const { return seconds_; }
  constexpr TimeInterval timeIntervalSince(Date other) const { return seconds_ - other.seconds_; }
  TimeInterval timeIntervalSinceNow() const;
  constexpr Date addingTimeInterval(TimeInterval interval) const { return Date(seconds_ + interval); }

  constexpr auto operator<=>(const Date&) const = default;

 private:
  TimeInterval seconds_ = 0;
};

}  // namespace platform
