#pragma once

#include <memory>

#include "keyloom/gestures/AudioFeedbackEngine.h"

namespace keyloom {

// Plays key sounds as the device's system sounds.
class StandardAudioFeedbackEngine : public AudioFeedbackEngine {
 public:
  // custom plays its id whatever it is (0 included); none plays nothing.
  void trigger(const AudioFeedback& feedback) override;

  // Made on first read; settable. A test run gets a fresh one after each reset.
  static std::shared_ptr<StandardAudioFeedbackEngine> shared();
  static void setShared(std::shared_ptr<StandardAudioFeedbackEngine> engine);
};

}  // namespace keyloom
