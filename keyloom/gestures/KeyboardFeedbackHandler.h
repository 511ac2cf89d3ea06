#pragma once

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardGesture.h"

namespace keyloom {

// Gives the sound and haptic of a key gesture. The action handler asks for
// feedback at a press (not at the release), and at a double tap, long press
// or repeat tick when the key has an action for it.
class KeyboardFeedbackHandler {
 public:
  virtual ~KeyboardFeedbackHandler() = default;

  // Audio, then haptic.
  virtual void triggerFeedback(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  virtual void triggerAudioFeedback(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  virtual void triggerHapticFeedback(KeyboardGesture gesture, const KeyboardAction& action) = 0;
};

}  // namespace keyloom
