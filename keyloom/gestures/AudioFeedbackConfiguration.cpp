#include "keyloom/gestures/AudioFeedbackConfiguration.h"

namespace keyloom {

const AudioFeedbackConfiguration& AudioFeedbackConfiguration::standard() {
  static const AudioFeedbackConfiguration preset(AudioFeedback::input(), AudioFeedback::delete_(),
                                                 AudioFeedback::system());
  return preset;
}

const AudioFeedbackConfiguration& AudioFeedbackConfiguration::enabled() {
  static const AudioFeedbackConfiguration preset = standard();
  return preset;
}

const AudioFeedbackConfiguration& AudioFeedbackConfiguration::noFeedback() {
  static const AudioFeedbackConfiguration preset(AudioFeedback::none(), AudioFeedback::none(),
                                                 AudioFeedback::none());
  return preset;
}

std::ostream& operator<<(std::ostream& out, const AudioFeedbackConfiguration& configuration) {
  out << "AudioFeedbackConfiguration(delete: " << configuration.delete_ << ", input: " << configuration.input
      << ", system: " << configuration.system << ", actions: [";
  for (std::size_t i = 0; i < configuration.actions.size(); ++i) {
    const auto& entry = configuration.actions[i];
    out << (i ? ", " : "") << entry.action() << " -> " << entry.feedback();
  }
  return out << "])";
}

void encodeValue(platform::Encoder& encoder, const AudioFeedbackConfiguration& configuration) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("delete", configuration.delete_);
  container.encode("input", configuration.input);
  container.encode("system", configuration.system);
  container.encode("actions", configuration.actions);
}

AudioFeedbackConfiguration decodeValue(platform::Decoder& decoder,
                                       std::type_identity<AudioFeedbackConfiguration>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  // Read in field order, so the first missing or bad field is the one reported.
  AudioFeedback deleteFeedback = container.decode<AudioFeedback>("delete");
  AudioFeedback input = container.decode<AudioFeedback>("input");
  AudioFeedback system = container.decode<AudioFeedback>("system");
  auto actions = container.decode<std::vector<AudioFeedbackConfiguration::ActionFeedback>>("actions");
  return AudioFeedbackConfiguration(std::move(input), std::move(deleteFeedback), std::move(system),
                                    std::move(actions));
}

void encodeValue(platform::Encoder& encoder, const AudioFeedbackConfiguration::ActionFeedback& feedback) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("action", feedback.action());
  container.encode("feedback", feedback.feedback());
}

AudioFeedbackConfiguration::ActionFeedback decodeValue(
    platform::Decoder& decoder, std::type_identity<AudioFeedbackConfiguration::ActionFeedback>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  KeyboardAction action = container.decode<KeyboardAction>("action");
  AudioFeedback feedback = container.decode<AudioFeedback>("feedback");
  return {std::move(action), std::move(feedback)};
}

}  // namespace keyloom
