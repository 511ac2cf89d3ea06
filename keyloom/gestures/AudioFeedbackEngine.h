#pragma once

namespace keyloom {

class AudioFeedback;

// Plays key sounds. AudioFeedback::trigger() goes through the one engine set in
// AudioFeedback::engine().
class AudioFeedbackEngine {
 public:
  virtual ~AudioFeedbackEngine() = default;
  virtual void trigger(const AudioFeedback& feedback) = 0;
};

}  // namespace keyloom
