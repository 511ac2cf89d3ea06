#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "keyloom/core/RawValueTable.h"
#include "keyloom/state/Emoji.h"
#include "keyloom/state/EmojiProvider.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

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

// The category's emojis as text: the fixed table (rows of 10 separated by
// "\n"), or for `frequent` the recently used emojis joined without separator.
std::string emojisString(EmojiCategory category);
// The category's emojis in keyboard order; `frequent` asks its provider anew
// at every call.
std::vector<Emoji> emojis(EmojiCategory category);

class KeyboardAction;
// Each of the category's emojis as an emoji action (include KeyboardAction.h to use).
std::vector<KeyboardAction> emojiActions(EmojiCategory category);

// The provider of recently used emojis behind `frequent`, which the action
// handler also registers used emojis with. Made on first use as a
// MostRecentEmojiProvider keeping 30 emojis in the standard user defaults;
// setting another replaces it for every later use.
std::shared_ptr<FrequentEmojiProvider> frequentEmojiProvider();
void setFrequentEmojiProvider(std::shared_ptr<FrequentEmojiProvider> provider);

// The raw value as one string.
void encodeValue(platform::Encoder& encoder, EmojiCategory category);
EmojiCategory decodeValue(platform::Decoder& decoder, std::type_identity<EmojiCategory>);

}  // namespace keyloom
