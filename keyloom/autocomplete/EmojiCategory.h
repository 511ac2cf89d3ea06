#pragma once

#include <array>
#include <string_view>

#include "keyloom/autocomplete/Emoji.h"
#include "keyloom/state/RawValueTable.h"

namespace keyloom {

// The groups of the emoji keyboard, in the order of its category menu.
enum class EmojiCategory { frequent, smileys, animals, foods, activities, travels, objects, symbols, flags };

template <>
struct RawValueTable<EmojiCategory> {
  static constexpr std::array<std::string_view, 9> names{
      "frequent", "smileys", "animals", "foods", "activities", "travels", "objects", "symbols", "flags"};
};

// The English title of the category (not localized).
std::string_view title(EmojiCategory category);
// The emoji shown on the category's menu key.
Emoji fallbackDisplayEmoji(EmojiCategory category);

}  // namespace keyloom
