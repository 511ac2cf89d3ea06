#pragma once

#include <span>
#include <string_view>

namespace keyloom {

struct EmojiNameOverride {
  std::string_view emoji;
  std::string_view name;
};

// The fixed list behind Emoji's name overrides, in list order: 8 named flags,
// 258 region flags, 4 subdivision flags.
std::span<const EmojiNameOverride> emojiNameOverrideList();

}  // namespace keyloom
