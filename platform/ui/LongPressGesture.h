#pragma once

#include <functional>
#include <string>

#include "platform/foundation/Date.h"
#include "platform/ui/Gesture.h"

namespace platform::ui {

// Recognises a touch held for `minimumDuration` seconds (on the main queue's
// clock) without moving more than `maximumDistance` points. `onEnded` runs
// when it is recognised, while the finger is still down.
class LongPressGesture : public Gesture {
 public:
  explicit LongPressGesture(TimeInterval minimumDuration = 0.5, double maximumDistance = 10);

  LongPressGesture onEnded(std::function<void()> action) const;

  TimeInterval minimumDuration() const { return minimumDuration_; }
  double maximumDistance() const { return maximumDistance_; }
  void ended() const;

  std::string description() const override;

 private:
  TimeInterval minimumDuration_;
  double maximumDistance_;
  std::function<void()> onEnded_;
};

}  // namespace platform::ui
