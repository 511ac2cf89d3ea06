#pragma once

#include "keyloom/gestures/HapticFeedbackEngine.h"

namespace keyloom {

// An engine that plays nothing.
class DisabledHapticFeedbackEngine : public HapticFeedbackEngine {
 public:
  void prepare(HapticFeedback) override {}
  void trigger(HapticFeedback) override {}
};

}  // namespace keyloom
