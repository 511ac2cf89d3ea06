#pragma once

#include <ostream>
#include <type_traits>
#include <vector>

#include "keyloom/gestures/AudioFeedback.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// Which sound each class of key makes, with per-action overrides.
struct AudioFeedbackConfiguration {
  // A sound for every gesture on one action, ahead of the class sounds.
  class ActionFeedback {
   public:
    ActionFeedback(KeyboardAction action, AudioFeedback feedback)
        : action_(std::move(action)), feedback_(std::move(feedback)) {}

    const KeyboardAction& action() const { return action_; }
    const AudioFeedback& feedback() const { return feedback_; }

    bool operator==(const ActionFeedback&) const = default;

   private:
    KeyboardAction action_;
    AudioFeedback feedback_;
  };

  // Note the order: input, delete, system (the fields are stored delete first).
  AudioFeedbackConfiguration(AudioFeedback input, AudioFeedback deleteFeedback, AudioFeedback system,
                             std::vector<ActionFeedback> actions = {})
      : delete_(std::move(deleteFeedback)),
        input(std::move(input)),
        system(std::move(system)),
        actions(std::move(actions)) {}

  AudioFeedback delete_;  // the backspace key
  AudioFeedback input;    // keys that type (KeyboardAction::isInputAction)
  AudioFeedback system;   // system keys (KeyboardAction::isSystemAction)
  std::vector<ActionFeedback> actions;  // searched in order; the first match wins

  // Presets, made on first use and never changed. standard and enabled play the
  // three key sounds; noFeedback plays nothing. All have no overrides.
  static const AudioFeedbackConfiguration& standard();
  static const AudioFeedbackConfiguration& enabled();
  static const AudioFeedbackConfiguration& noFeedback();

  bool operator==(const AudioFeedbackConfiguration&) const = default;
};

std::ostream& operator<<(std::ostream& out, const AudioFeedbackConfiguration& configuration);

// {"delete":…,"input":…,"system":…,"actions":[…]}; every key required.
void encodeValue(platform::Encoder& encoder, const AudioFeedbackConfiguration& configuration);
AudioFeedbackConfiguration decodeValue(platform::Decoder& decoder, std::type_identity<AudioFeedbackConfiguration>);
// {"action":…,"feedback":…}; both required.
void encodeValue(platform::Encoder& encoder, const AudioFeedbackConfiguration::ActionFeedback& feedback);
AudioFeedbackConfiguration::ActionFeedback decodeValue(
    platform::Decoder& decoder, std::type_identity<AudioFeedbackConfiguration::ActionFeedback>);

}  // namespace keyloom
