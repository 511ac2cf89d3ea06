#pragma once

#include <ostream>
#include <type_traits>
#include <vector>

#include "keyloom/gestures/HapticFeedback.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardGesture.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// Which haptic each kind of gesture gives, with per-action-and-gesture overrides.
struct HapticFeedbackConfiguration {
  // A haptic for one gesture on one action, ahead of the gesture haptics.
  class ActionFeedback {
   public:
    ActionFeedback(KeyboardAction action, KeyboardGesture gesture, HapticFeedback feedback)
        : action_(std::move(action)), gesture_(gesture), feedback_(feedback) {}

    const KeyboardAction& action() const { return action_; }
    KeyboardGesture gesture() const { return gesture_; }
    HapticFeedback feedback() const { return feedback_; }

    bool operator==(const ActionFeedback&) const = default;

   private:
    KeyboardAction action_;
    KeyboardGesture gesture_;
    HapticFeedback feedback_;
  };

  HapticFeedbackConfiguration(HapticFeedback tap, HapticFeedback doubleTap, HapticFeedback longPress,
                              HapticFeedback longPressOnSpace, HapticFeedback repeat,
                              std::vector<ActionFeedback> actions = {})
      : tap(tap),
        doubleTap(doubleTap),
        longPress(longPress),
        longPressOnSpace(longPressOnSpace),
        repeat(repeat),
        actions(std::move(actions)) {}

  HapticFeedback tap;               // a press or a release
  HapticFeedback doubleTap;
  HapticFeedback longPress;
  HapticFeedback longPressOnSpace;  // in place of longPress on the space key
  HapticFeedback repeat;            // each repeat while a key is held
  std::vector<ActionFeedback> actions;  // searched in order; the first match wins

  // Presets, made on first use and never changed; all have no overrides.
  // standard gives a haptic only for a long press on space; enabled gives one
  // for every gesture; noFeedback gives none.
  static const HapticFeedbackConfiguration& standard();
  static const HapticFeedbackConfiguration& enabled();
  static const HapticFeedbackConfiguration& noFeedback();

  bool operator==(const HapticFeedbackConfiguration&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HapticFeedbackConfiguration& configuration);

// {"tap":…,"doubleTap":…,"longPress":…,"longPressOnSpace":…,"repeat":…,"actions":[…]};
// every key required.
void encodeValue(platform::Encoder& encoder, const HapticFeedbackConfiguration& configuration);
HapticFeedbackConfiguration decodeValue(platform::Decoder& decoder,
                                        std::type_identity<HapticFeedbackConfiguration>);
// {"action":…,"gesture":…,"feedback":…}; every key required.
void encodeValue(platform::Encoder& encoder, const HapticFeedbackConfiguration::ActionFeedback& feedback);
HapticFeedbackConfiguration::ActionFeedback decodeValue(
    platform::Decoder& decoder, std::type_identity<HapticFeedbackConfiguration::ActionFeedback>);

}  // namespace keyloom
