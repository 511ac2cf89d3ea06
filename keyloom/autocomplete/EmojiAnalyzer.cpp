#include "keyloom/autocomplete/EmojiAnalyzer.h"

#include <algorithm>
#include <array>

#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

// Emojis of Unicode 15 that the property tables of older platforms lack.
constexpr std::array<std::u32string_view, 20> newestEmojis{
    U"\U0001FAE8", U"\U0001FAF8", U"\U0001FAF7", U"\U0001FABF", U"\U0001FACE", U"\U0001FABC", U"\U0001FACF",
    U"\U0001FABD", U"\U0001FABB", U"\U0001FADB", U"\U0001FADA", U"\U0001FA87", U"\U0001FA88", U"\U0001FAAE",
    U"\U0001FAAD", U"\U0001FA77", U"\U0001FA75", U"\U0001FA76", U"\U0001FAAF", U"\U0001F6DC"};

// Below this, scalars with the Emoji property (digits, "#", "*", "©") are text
// unless a sequence makes them emojis.
constexpr char32_t firstSimpleEmoji = 0x238D;

bool isCombinedEmoji(const std::u32string& scalars) {
  return scalars.size() >= 2 && platform::text::isEmoji(scalars.front());
}

bool isSimpleEmoji(const std::u32string& scalars) {
  return !scalars.empty() && platform::text::isEmoji(scalars.front()) && scalars.front() >= firstSimpleEmoji;
}

}  // namespace

bool isCombinedEmoji(std::string_view character) { return isCombinedEmoji(platform::text::toScalars(character)); }

bool isSimpleEmoji(std::string_view character) { return isSimpleEmoji(platform::text::toScalars(character)); }

bool isEmoji(std::string_view character) {
  const std::u32string scalars = platform::text::toScalars(character);
  if (isCombinedEmoji(scalars) || isSimpleEmoji(scalars)) return true;
  return std::find(newestEmojis.begin(), newestEmojis.end(), scalars) != newestEmojis.end();
}

bool containsEmoji(std::string_view text) {
  const std::vector<std::string> characters = platform::text::graphemes(text);
  return std::any_of(characters.begin(), characters.end(), [](const std::string& c) { return isEmoji(c); });
}

bool containsOnlyEmojis(std::string_view text) {
  const std::vector<std::string> characters = platform::text::graphemes(text);
  return !characters.empty() &&
         std::all_of(characters.begin(), characters.end(), [](const std::string& c) { return isEmoji(c); });
}

bool isSingleEmoji(std::string_view text) {
  const std::vector<std::string> characters = platform::text::graphemes(text);
  return characters.size() == 1 && isEmoji(characters.front());
}

std::vector<std::string> emojis(std::string_view text) {
  std::vector<std::string> characters = platform::text::graphemes(text);
  std::erase_if(characters, [](const std::string& c) { return !isEmoji(c); });
  return characters;
}

std::u32string emojiScalars(std::string_view text) { return platform::text::toScalars(emojiString(text)); }

std::string emojiString(std::string_view text) {
  std::string result;
  for (const std::string& character : emojis(text)) result += character;
  return result;
}

}  // namespace keyloom
