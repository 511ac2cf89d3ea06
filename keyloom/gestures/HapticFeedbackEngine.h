#pragma once

#include "keyloom/gestures/HapticFeedback.h"

namespace keyloom {

// Plays haptics. trigger(HapticFeedback) and prepare(HapticFeedback) go
// through the one engine set with setHapticFeedbackEngine().
class HapticFeedbackEngine {
 public:
  virtual ~HapticFeedbackEngine() = default;
  // Readies the generator of the feedback so the next trigger comes sooner.
  virtual void prepare(HapticFeedback feedback) = 0;
  virtual void trigger(HapticFeedback feedback) = 0;
};

}  // namespace keyloom
