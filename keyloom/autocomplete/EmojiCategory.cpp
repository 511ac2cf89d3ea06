#include "keyloom/autocomplete/EmojiCategory.h"

#include <cstddef>

namespace keyloom {

namespace {

struct CategoryInfo {
  std::string_view title;
  std::string_view fallbackEmoji;
};

// Indexed by EmojiCategory, in declaration order.
constexpr std::array<CategoryInfo, 9> kCategories{{
    {"Frequently Used", "\U0001F553"},   // clock face four o'clock
    {"Smileys & People", "\U0001F600"},  // grinning face
    {"Animals & Nature", "\U0001F43B"},  // bear
    {"Food & Drink", "\U0001F354"},      // hamburger
    {"Activity", "\u26BD\uFE0F"},        // soccer ball, emoji presentation
    {"Travel & Places", "\U0001F697"},   // automobile
    {"Objects", "\U0001F4A1"},           // light bulb
    {"Symbols", "\U0001F4B1"},           // currency exchange
    {"Flags", "\U0001F3F3\uFE0F"},       // white flag, emoji presentation
}};

const CategoryInfo& info(EmojiCategory category) { return kCategories[static_cast<std::size_t>(category)]; }

}  // namespace

std::string_view title(EmojiCategory category) { return info(category).title; }

Emoji fallbackDisplayEmoji(EmojiCategory category) {
  return Emoji(std::string(info(category).fallbackEmoji));
}

}  // namespace keyloom
