#include "keyloom/gestures/AudioFeedback.h"

#include <optional>

#include "keyloom/gestures/StandardAudioFeedbackEngine.h"
#include "platform/coding/EnumCoding.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace af = audio_feedback;

namespace {

using Cases = VariantCases<AudioFeedback::Value>;

// nullopt until first read, so the first read captures the shared engine.
std::optional<std::shared_ptr<AudioFeedbackEngine>>& engineSlot() {
  static auto* slot = [] {
    static std::optional<std::shared_ptr<AudioFeedbackEngine>> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  return *slot;
}

}  // namespace

std::uint32_t AudioFeedback::id() const {
  if (const auto* custom = get<af::Custom>()) return custom->id;
  if (is<af::Input>()) return 1104;
  if (is<af::System>()) return 1156;
  if (is<af::Delete>()) return 1155;
  return 0;
}

void AudioFeedback::trigger() const {
  if (auto current = engine()) current->trigger(*this);
}

std::shared_ptr<AudioFeedbackEngine> AudioFeedback::engine() {
  auto& slot = engineSlot();
  if (!slot) slot = std::shared_ptr<AudioFeedbackEngine>(StandardAudioFeedbackEngine::shared());
  return *slot;
}

void AudioFeedback::setEngine(std::shared_ptr<AudioFeedbackEngine> engine) { engineSlot() = std::move(engine); }

std::ostream& operator<<(std::ostream& out, const AudioFeedback& feedback) {
  out << feedback.caseName();
  if (feedback.is<af::Custom>()) out << "(" << feedback.id() << ")";
  return out;
}

void encodeValue(platform::Encoder& encoder, const AudioFeedback& feedback) {
  platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, feedback.caseName());
  if (const auto* custom = feedback.get<af::Custom>()) payload.encode("id", custom->id);
}

AudioFeedback decodeValue(platform::Decoder& decoder, std::type_identity<AudioFeedback>) {
  const platform::DecodedCase found = platform::decodeCase(decoder, Cases::names, "AudioFeedback");
  switch (found.index) {
    case Cases::indexOf<af::Input>():
      return AudioFeedback::input();
    case Cases::indexOf<af::System>():
      return AudioFeedback::system();
    case Cases::indexOf<af::Delete>():
      return AudioFeedback::delete_();
    case Cases::indexOf<af::Custom>():
      return AudioFeedback::custom(found.payload.decode<std::uint32_t>("id"));
    default:
      return AudioFeedback::none();
  }
}

}  // namespace keyloom
