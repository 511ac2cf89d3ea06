#include "keyloom/gestures/StandardKeyboardFeedbackHandler.h"

#include <cassert>

namespace keyloom {

namespace {

bool isLongPressOnSpace(KeyboardGesture gesture, const KeyboardAction& action) {
  return gesture == KeyboardGesture::longPress && action == KeyboardAction::space();
}

}  // namespace

StandardKeyboardFeedbackHandler::StandardKeyboardFeedbackHandler(std::shared_ptr<KeyboardFeedbackSettings> settings)
    : settings_(std::move(settings)) {
  assert(settings_ && "the feedback handler needs settings");
}

AudioFeedbackConfiguration StandardKeyboardFeedbackHandler::audioConfig() const {
  return settings_->audioConfiguration;
}

HapticFeedbackConfiguration StandardKeyboardFeedbackHandler::hapticConfig() const {
  return settings_->hapticConfiguration;
}

void StandardKeyboardFeedbackHandler::triggerFeedback(KeyboardGesture gesture, const KeyboardAction& action) {
  triggerAudioFeedback(gesture, action);
  triggerHapticFeedback(gesture, action);
}

void StandardKeyboardFeedbackHandler::triggerAudioFeedback(KeyboardGesture gesture, const KeyboardAction& action) {
  audioFeedback(settings_->audioConfiguration, gesture, action).trigger();
}

void StandardKeyboardFeedbackHandler::triggerHapticFeedback(KeyboardGesture gesture, const KeyboardAction& action) {
  trigger(hapticFeedback(settings_->hapticConfiguration, gesture, action));
}

AudioFeedback StandardKeyboardFeedbackHandler::audioFeedback(const AudioFeedbackConfiguration& configuration,
                                                             KeyboardGesture gesture,
                                                             const KeyboardAction& action) {
  for (const auto& entry : configuration.actions) {
    if (entry.action() == action) return entry.feedback();
  }
  if (isLongPressOnSpace(gesture, action)) return AudioFeedback::none();
  if (action == KeyboardAction::backspace()) return configuration.delete_;
  if (action.isInputAction()) return configuration.input;
  if (action.isSystemAction()) return configuration.system;
  return AudioFeedback::none();
}

HapticFeedback StandardKeyboardFeedbackHandler::hapticFeedback(const HapticFeedbackConfiguration& configuration,
                                                               KeyboardGesture gesture,
                                                               const KeyboardAction& action) {
  for (const auto& entry : configuration.actions) {
    if (entry.action() == action && entry.gesture() == gesture) return entry.feedback();
  }
  if (isLongPressOnSpace(gesture, action)) return configuration.longPressOnSpace;
  switch (gesture) {
    case KeyboardGesture::press:
    case KeyboardGesture::release:
      return configuration.tap;
    case KeyboardGesture::doubleTap:
      return configuration.doubleTap;
    case KeyboardGesture::longPress:
      return configuration.longPress;
    case KeyboardGesture::repeatPress:
      return configuration.repeat;
  }
  return HapticFeedback::none;
}

}  // namespace keyloom
