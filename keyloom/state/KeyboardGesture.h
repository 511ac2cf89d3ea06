#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "keyloom/core/RawValueTable.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// What a key reports to the action handler.
enum class KeyboardGesture { doubleTap, press, release, longPress, repeatPress };

template <>
struct RawValueTable<KeyboardGesture> {
  static constexpr std::array<std::string_view, 5> names{"doubleTap", "press", "release", "longPress",
                                                         "repeatPress"};
};

// The raw value as one string; any other string fails as data corrupted.
void encodeValue(platform::Encoder& encoder, KeyboardGesture gesture);
KeyboardGesture decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardGesture>);

}  // namespace keyloom
