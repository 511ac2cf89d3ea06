#pragma once

#include <array>
#include <string_view>

#include "keyloom/core/RawValueTable.h"
#include "platform/input/InputTraits.h"

namespace keyloom {

// How the host field capitalizes automatically.
enum class KeyboardAutocapitalizationType { allCharacters, sentences, words, none };

template <>
struct RawValueTable<KeyboardAutocapitalizationType> {
  static constexpr std::array<std::string_view, 4> names{"allCharacters", "sentences", "words", "none"};
};

// The library's value for the platform's: raw 0 none, 1 words, 2 sentences,
// 3 allCharacters; any newer raw value counts as none.
KeyboardAutocapitalizationType keyboardType(platform::AutocapitalizationType type);

}  // namespace keyloom
