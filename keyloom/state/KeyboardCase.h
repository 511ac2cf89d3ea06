#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "keyloom/core/RawValueTable.h"
#include "keyloom/state/KeyboardImage.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// How the letter keys are cased. `auto_` lets the keyboard decide and counts as
// neither upper- nor lower-cased.
enum class KeyboardCase { auto_, capsLocked, lowercased, uppercased };

template <>
struct RawValueTable<KeyboardCase> {
  static constexpr std::array<std::string_view, 4> names{"auto", "capsLocked", "lowercased", "uppercased"};
};

// True for capsLocked and uppercased.
bool isUppercased(KeyboardCase casing);
// True for lowercased only.
bool isLowercased(KeyboardCase casing);

// The shift key's picture for this casing.
KeyboardImage standardButtonImage(KeyboardCase casing);

// The raw value as one string; any other string fails as data corrupted.
void encodeValue(platform::Encoder& encoder, KeyboardCase casing);
KeyboardCase decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardCase>);

}  // namespace keyloom
