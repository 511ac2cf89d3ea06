#pragma once

#include <string_view>

#include "keyloom/state/EmojiCategory.h"

namespace keyloom {

// The fixed emojis of a category as shown on the keyboard: rows of 10 emojis
// separated by "\n", the last row shorter, no trailing "\n". Empty for
// `frequent`, whose emojis come from the recent-emoji store.
std::string_view emojiCategoryTable(EmojiCategory category);

}  // namespace keyloom
