#pragma once

#include "keyloom/gestures/AudioFeedbackEngine.h"

namespace keyloom {

// An engine that plays nothing.
class DisabledAudioFeedbackEngine : public AudioFeedbackEngine {
 public:
  void trigger(const AudioFeedback&) override {}
};

}  // namespace keyloom
