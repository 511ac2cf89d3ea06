#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// The reverse-domain prefix of every key the library keeps in user defaults.
inline constexpr std::string_view libraryKeyPrefix = "org.keyloom";

// The library's user-defaults key for `suffix` (".MostRecentEmojiProvider.emojis").
inline std::string libraryDefaultsKey(std::string_view suffix) {
  return std::string(libraryKeyPrefix) + std::string(suffix);
}

}  // namespace keyloom
