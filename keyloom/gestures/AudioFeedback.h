#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>
#include <type_traits>
#include <variant>

#include "keyloom/core/CaseValue.h"
#include "keyloom/gestures/AudioFeedbackEngine.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

namespace audio_feedback {
struct Input {
  static constexpr std::string_view name = "input";
  bool operator==(const Input&) const = default;
};
struct System {
  static constexpr std::string_view name = "system";
  bool operator==(const System&) const = default;
};
struct Delete {
  static constexpr std::string_view name = "delete";
  bool operator==(const Delete&) const = default;
};
struct Custom {
  static constexpr std::string_view name = "custom";
  std::uint32_t id = 0;
  bool operator==(const Custom&) const = default;
};
struct None {
  static constexpr std::string_view name = "none";
  bool operator==(const None&) const = default;
};
}  // namespace audio_feedback

// The sound a key makes: one of the system's key sounds, any system sound by
// id, or none.
class AudioFeedback : public CaseValue<std::variant<audio_feedback::Input, audio_feedback::System,
                                                    audio_feedback::Delete, audio_feedback::Custom,
                                                    audio_feedback::None>> {
 public:
  static AudioFeedback input() { return AudioFeedback(audio_feedback::Input{}); }
  static AudioFeedback system() { return AudioFeedback(audio_feedback::System{}); }
  static AudioFeedback delete_() { return AudioFeedback(audio_feedback::Delete{}); }
  static AudioFeedback custom(std::uint32_t id) { return AudioFeedback(audio_feedback::Custom{id}); }
  static AudioFeedback none() { return AudioFeedback(audio_feedback::None{}); }

  // The system sound id: 1104 input, 1156 system, 1155 delete, the payload of
  // custom, 0 for none. Two different values can share an id (custom(1104)
  // and input), so the id is no substitute for equality.
  std::uint32_t id() const;

  // Plays this sound through engine(); none plays nothing.
  void trigger() const;

  // The engine every trigger() uses. Made on first read from the value of
  // StandardAudioFeedbackEngine::shared() at that moment; replacing the shared
  // engine later does not change it. Setting null silences every trigger().
  static std::shared_ptr<AudioFeedbackEngine> engine();
  static void setEngine(std::shared_ptr<AudioFeedbackEngine> engine);

  bool operator==(const AudioFeedback&) const = default;

 private:
  explicit AudioFeedback(Value value) : CaseValue(std::move(value)) {}
};

std::ostream& operator<<(std::ostream& out, const AudioFeedback& feedback);

// The one-key form: {"delete":{}}, {"custom":{"id":1306}}.
void encodeValue(platform::Encoder& encoder, const AudioFeedback& feedback);
AudioFeedback decodeValue(platform::Decoder& decoder, std::type_identity<AudioFeedback>);

}  // namespace keyloom
