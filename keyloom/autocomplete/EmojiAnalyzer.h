#pragma once

#include <string>
#include <string_view>
#include <vector>

// Emoji tests on text. The string tests look at each character (extended
// grapheme cluster); the character tests take the text of one character.
namespace keyloom {

// Whether the character is shown as an emoji: a sequence that starts with an
// emoji scalar, an emoji scalar from U+238D up (digits, "#" and "*" alone are
// text), or one of the newest emojis that older property tables lack.
bool isEmoji(std::string_view character);
// At least two scalars, the first with the Unicode property Emoji.
bool isCombinedEmoji(std::string_view character);
// The first scalar has the property Emoji and is at least U+238D.
bool isSimpleEmoji(std::string_view character);

bool containsEmoji(std::string_view text);
// False for the empty text.
bool containsOnlyEmojis(std::string_view text);
// Exactly one character, and an emoji.
bool isSingleEmoji(std::string_view text);
// The characters that are emojis, in order.
std::vector<std::string> emojis(std::string_view text);
// The scalars of those characters, in order.
std::u32string emojiScalars(std::string_view text);
// Those characters joined ("" when there are none).
std::string emojiString(std::string_view text);

// The same tests for types that want them as members.
class EmojiAnalyzer {
 public:
  virtual ~EmojiAnalyzer() = default;

  bool isEmoji(std::string_view character) const { return keyloom::isEmoji(character); }
  bool isCombinedEmoji(std::string_view character) const { return keyloom::isCombinedEmoji(character); }
  bool isSimpleEmoji(std::string_view character) const { return keyloom::isSimpleEmoji(character); }
  bool containsEmoji(std::string_view text) const { return keyloom::containsEmoji(text); }
  bool containsOnlyEmojis(std::string_view text) const { return keyloom::containsOnlyEmojis(text); }
  bool isSingleEmoji(std::string_view text) const { return keyloom::isSingleEmoji(text); }
  std::vector<std::string> emojis(std::string_view text) const { return keyloom::emojis(text); }
  std::u32string emojiScalars(std::string_view text) const { return keyloom::emojiScalars(text); }
  std::string emojiString(std::string_view text) const { return keyloom::emojiString(text); }
};

}  // namespace keyloom
