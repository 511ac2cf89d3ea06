#include "keyloom/state/EmojiCategory.h"

#include <cstddef>

#include "keyloom/state/EmojiCategoryTables.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/MostRecentEmojiProvider.h"
#include "platform/coding/EnumCoding.h"
#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

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

std::shared_ptr<FrequentEmojiProvider> makeStandardFrequentEmojiProvider() {
  return std::make_shared<MostRecentEmojiProvider>(30, platform::UserDefaults::standardShared());
}

std::shared_ptr<FrequentEmojiProvider>& frequentEmojiProviderStorage() {
  // Made once even when several threads reach it first together.
  static std::shared_ptr<FrequentEmojiProvider> provider = [] {
    platform::registerProcessReset([] { frequentEmojiProviderStorage() = makeStandardFrequentEmojiProvider(); });
    return makeStandardFrequentEmojiProvider();
  }();
  return provider;
}

}  // namespace

std::string_view title(EmojiCategory category) { return info(category).title; }

Emoji fallbackDisplayEmoji(EmojiCategory category) {
  return Emoji(std::string(info(category).fallbackEmoji));
}

std::string emojisString(EmojiCategory category) {
  if (category != EmojiCategory::frequent) return std::string(emojiCategoryTable(category));
  std::string text;
  for (const Emoji& emoji : frequentEmojiProvider()->emojis()) text += emoji.char_();
  return text;
}

std::vector<Emoji> emojis(EmojiCategory category) {
  std::string text = emojisString(category);
  std::erase(text, '\n');
  std::vector<Emoji> result;
  for (std::string& character : platform::text::graphemes(text)) result.emplace_back(std::move(character));
  return result;
}

std::vector<KeyboardAction> emojiActions(EmojiCategory category) {
  std::vector<KeyboardAction> actions;
  for (Emoji& emoji : emojis(category)) actions.push_back(KeyboardAction::emoji(std::move(emoji)));
  return actions;
}

std::shared_ptr<FrequentEmojiProvider> frequentEmojiProvider() { return frequentEmojiProviderStorage(); }

void setFrequentEmojiProvider(std::shared_ptr<FrequentEmojiProvider> provider) {
  frequentEmojiProviderStorage() = std::move(provider);
}

void encodeValue(platform::Encoder& encoder, EmojiCategory category) {
  platform::encodeRawValue(encoder, rawValue(category));
}

EmojiCategory decodeValue(platform::Decoder& decoder, std::type_identity<EmojiCategory>) {
  return static_cast<EmojiCategory>(
      platform::decodeRawValue(decoder, RawValueTable<EmojiCategory>::names, "EmojiCategory"));
}

}  // namespace keyloom
