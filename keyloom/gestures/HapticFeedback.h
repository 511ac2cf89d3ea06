#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string_view>
#include <type_traits>

#include "keyloom/core/RawValueTable.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// The haptics a key can give. The raw value is also the id.
enum class HapticFeedback {
  error,
  success,
  warning,
  lightImpact,
  mediumImpact,
  heavyImpact,
  selectionChanged,
  none
};

template <>
struct RawValueTable<HapticFeedback> {
  static constexpr std::array<std::string_view, 8> names{"error",        "success",      "warning",
                                                         "lightImpact",  "mediumImpact", "heavyImpact",
                                                         "selectionChanged", "none"};
};

class HapticFeedbackEngine;

inline std::string_view id(HapticFeedback feedback) { return rawValue(feedback); }

// Plays the haptic through hapticFeedbackEngine(); none plays nothing.
void trigger(HapticFeedback feedback);
// Readies the haptic's generator through hapticFeedbackEngine().
void prepare(HapticFeedback feedback);

// The engine trigger() and prepare() use. Made on first read from the value of
// StandardHapticFeedbackEngine::shared() at that moment; settable (null
// silences every haptic).
std::shared_ptr<HapticFeedbackEngine> hapticFeedbackEngine();
void setHapticFeedbackEngine(std::shared_ptr<HapticFeedbackEngine> engine);

std::ostream& operator<<(std::ostream& out, HapticFeedback feedback);

// The raw value as one string; any other string fails as data corrupted.
void encodeValue(platform::Encoder& encoder, HapticFeedback feedback);
HapticFeedback decodeValue(platform::Decoder& decoder, std::type_identity<HapticFeedback>);

}  // namespace keyloom
