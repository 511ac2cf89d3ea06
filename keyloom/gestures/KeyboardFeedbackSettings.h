#pragma once

#include <memory>

#include "keyloom/gestures/AudioFeedbackConfiguration.h"
#include "keyloom/gestures/HapticFeedbackConfiguration.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// The keyboard's current sound and haptic rules. Every change, including those
// made by the switches below, is published.
class KeyboardFeedbackSettings : public platform::ObservableObject {
 public:
  KeyboardFeedbackSettings(AudioFeedbackConfiguration audioConfiguration,
                           HapticFeedbackConfiguration hapticConfiguration)
      : audioConfiguration(*this, std::move(audioConfiguration)),
        hapticConfiguration(*this, std::move(hapticConfiguration)) {}

  platform::Published<AudioFeedbackConfiguration> audioConfiguration;
  platform::Published<HapticFeedbackConfiguration> hapticConfiguration;

  // False only for a configuration equal to noFeedback as a whole, overrides
  // included: a silent configuration with an override still counts as enabled.
  bool isAudioFeedbackEnabled() const;
  bool isHapticFeedbackEnabled() const;

  // Each of these replaces the whole configuration, overrides included.
  virtual void enableAudioFeedback();   // the standard preset
  virtual void disableAudioFeedback();  // the noFeedback preset
  virtual void toggleAudioFeedback();
  // Enabling gives the standard preset, which only gives a haptic for a long
  // press on space; assign HapticFeedbackConfiguration::enabled() for more.
  virtual void enableHapticFeedback();
  virtual void disableHapticFeedback();
  virtual void toggleHapticFeedback();

  // One shared instance with the standard presets, made on first use. The
  // keyboard controller makes its own instead.
  static std::shared_ptr<KeyboardFeedbackSettings> standard();
};

}  // namespace keyloom
