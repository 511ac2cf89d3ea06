#include "keyloom/gestures/HapticFeedbackConfiguration.h"

namespace keyloom {

namespace {
using H = HapticFeedback;
}

const HapticFeedbackConfiguration& HapticFeedbackConfiguration::standard() {
  static const HapticFeedbackConfiguration preset(H::none, H::none, H::none, H::mediumImpact, H::none);
  return preset;
}

const HapticFeedbackConfiguration& HapticFeedbackConfiguration::enabled() {
  static const HapticFeedbackConfiguration preset(H::lightImpact, H::lightImpact, H::mediumImpact,
                                                  H::mediumImpact, H::selectionChanged);
  return preset;
}

const HapticFeedbackConfiguration& HapticFeedbackConfiguration::noFeedback() {
  static const HapticFeedbackConfiguration preset(H::none, H::none, H::none, H::none, H::none);
  return preset;
}

std::ostream& operator<<(std::ostream& out, const HapticFeedbackConfiguration& configuration) {
  out << "HapticFeedbackConfiguration(tap: " << configuration.tap << ", doubleTap: " << configuration.doubleTap
      << ", longPress: " << configuration.longPress << ", longPressOnSpace: " << configuration.longPressOnSpace
      << ", repeat: " << configuration.repeat << ", actions: [";
  for (std::size_t i = 0; i < configuration.actions.size(); ++i) {
    const auto& entry = configuration.actions[i];
    out << (i ? ", " : "") << entry.action() << " " << rawValue(entry.gesture()) << " -> " << entry.feedback();
  }
  return out << "])";
}

void encodeValue(platform::Encoder& encoder, const HapticFeedbackConfiguration& configuration) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("tap", configuration.tap);
  container.encode("doubleTap", configuration.doubleTap);
  container.encode("longPress", configuration.longPress);
  container.encode("longPressOnSpace", configuration.longPressOnSpace);
  container.encode("repeat", configuration.repeat);
  container.encode("actions", configuration.actions);
}

HapticFeedbackConfiguration decodeValue(platform::Decoder& decoder,
                                        std::type_identity<HapticFeedbackConfiguration>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  const H tap = container.decode<H>("tap");
  const H doubleTap = container.decode<H>("doubleTap");
  const H longPress = container.decode<H>("longPress");
  const H longPressOnSpace = container.decode<H>("longPressOnSpace");
  const H repeat = container.decode<H>("repeat");
  auto actions = container.decode<std::vector<HapticFeedbackConfiguration::ActionFeedback>>("actions");
  return HapticFeedbackConfiguration(tap, doubleTap, longPress, longPressOnSpace, repeat, std::move(actions));
}

void encodeValue(platform::Encoder& encoder, const HapticFeedbackConfiguration::ActionFeedback& feedback) {
  platform::KeyedEncodingContainer container = encoder.container();
  container.encode("action", feedback.action());
  container.encode("gesture", feedback.gesture());
  container.encode("feedback", feedback.feedback());
}

HapticFeedbackConfiguration::ActionFeedback decodeValue(
    platform::Decoder& decoder, std::type_identity<HapticFeedbackConfiguration::ActionFeedback>) {
  const platform::KeyedDecodingContainer container = decoder.container();
  KeyboardAction action = container.decode<KeyboardAction>("action");
  const KeyboardGesture gesture = container.decode<KeyboardGesture>("gesture");
  const H feedback = container.decode<H>("feedback");
  return {std::move(action), gesture, feedback};
}

}  // namespace keyloom
