#pragma once

#include <memory>

#include "keyloom/gestures/KeyboardFeedbackHandler.h"
#include "keyloom/gestures/KeyboardFeedbackSettings.h"

namespace keyloom {

// Chooses the sound and haptic of a gesture from the settings, read anew at
// every call, so a change of the shared settings applies at the next gesture.
//
// Sound: the first override for the action (whatever the gesture); else
// nothing for a long press on space; else delete for backspace, input for
// input actions, system for system actions, nothing for the rest.
// Haptic: the first override for the action and gesture; else longPressOnSpace
// for a long press on space; else the gesture's haptic (press and release: tap).
class StandardKeyboardFeedbackHandler : public KeyboardFeedbackHandler {
 public:
  // `settings` must not be null.
  explicit StandardKeyboardFeedbackHandler(std::shared_ptr<KeyboardFeedbackSettings> settings);

  const std::shared_ptr<KeyboardFeedbackSettings>& settings() const { return settings_; }
  virtual AudioFeedbackConfiguration audioConfig() const;
  virtual HapticFeedbackConfiguration hapticConfig() const;

  void triggerFeedback(KeyboardGesture gesture, const KeyboardAction& action) override;
  void triggerAudioFeedback(KeyboardGesture gesture, const KeyboardAction& action) override;
  void triggerHapticFeedback(KeyboardGesture gesture, const KeyboardAction& action) override;

  // What the two triggers play, without playing it.
  static AudioFeedback audioFeedback(const AudioFeedbackConfiguration& configuration, KeyboardGesture gesture,
                                     const KeyboardAction& action);
  static HapticFeedback hapticFeedback(const HapticFeedbackConfiguration& configuration,
                                       KeyboardGesture gesture, const KeyboardAction& action);

 private:
  std::shared_ptr<KeyboardFeedbackSettings> settings_;
};

}  // namespace keyloom
