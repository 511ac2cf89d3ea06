#include "keyloom/gestures/KeyboardFeedbackSettings.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

bool KeyboardFeedbackSettings::isAudioFeedbackEnabled() const {
  return audioConfiguration.get() != AudioFeedbackConfiguration::noFeedback();
}

bool KeyboardFeedbackSettings::isHapticFeedbackEnabled() const {
  return hapticConfiguration.get() != HapticFeedbackConfiguration::noFeedback();
}

void KeyboardFeedbackSettings::enableAudioFeedback() { audioConfiguration = AudioFeedbackConfiguration::standard(); }

void KeyboardFeedbackSettings::disableAudioFeedback() {
  audioConfiguration = AudioFeedbackConfiguration::noFeedback();
}

void KeyboardFeedbackSettings::toggleAudioFeedback() {
  if (isAudioFeedbackEnabled()) {
    disableAudioFeedback();
  } else {
    enableAudioFeedback();
  }
}

void KeyboardFeedbackSettings::enableHapticFeedback() {
  hapticConfiguration = HapticFeedbackConfiguration::standard();
}

void KeyboardFeedbackSettings::disableHapticFeedback() {
  hapticConfiguration = HapticFeedbackConfiguration::noFeedback();
}

void KeyboardFeedbackSettings::toggleHapticFeedback() {
  if (isHapticFeedbackEnabled()) {
    disableHapticFeedback();
  } else {
    enableHapticFeedback();
  }
}

std::shared_ptr<KeyboardFeedbackSettings> KeyboardFeedbackSettings::standard() {
  static auto* slot = [] {
    static std::shared_ptr<KeyboardFeedbackSettings> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  if (!*slot) {
    *slot = std::make_shared<KeyboardFeedbackSettings>(AudioFeedbackConfiguration::standard(),
                                                       HapticFeedbackConfiguration::standard());
  }
  return *slot;
}

}  // namespace keyloom
