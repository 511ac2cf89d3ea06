#include "keyloom/autocomplete/EmojiAnalyzer.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct CharacterCase {
  const char* character;
  bool emoji, combined, simple;
};

TEST(EmojiAnalyzer, CharacterTests) {
  const CharacterCase cases[] = {
      {"1", false, false, false},                    // a digit has the property, but alone is text
      {"#", false, false, false},
      {"a", false, false, false},
      {"1\uFE0F\u20E3", true, true, false},          // keycap: three scalars
      {"\u00A9", false, false, false},               // below U+238D
      {"\u00A9\uFE0F", true, true, false},
      {"\u231A", false, false, false},               // watch without selector stays text
      {"\u2764\uFE0F", true, true, true},
      {"\U0001F600", true, false, true},
      {"\U0001F44D\U0001F3FD", true, true, true},
      {"\U0001F43B\u200D\u2744\uFE0F", true, true, true},
      {"\U0001F1FA\U0001F1F8", true, true, true},
      {"\U0001FA77", true, false, true},             // pink heart, Unicode 15
      {"\U0001F6DC", true, false, true},             // wireless, Unicode 15
      {"e\u0301", false, false, false},
      {"", false, false, false},
  };
  for (const CharacterCase& c : cases) {
    EXPECT_EQ(isEmoji(c.character), c.emoji) << c.character;
    EXPECT_EQ(isCombinedEmoji(c.character), c.combined) << c.character;
    EXPECT_EQ(isSimpleEmoji(c.character), c.simple) << c.character;
  }
}

TEST(EmojiAnalyzer, StringTests) {
  EXPECT_FALSE(containsOnlyEmojis(""));
  EXPECT_FALSE(containsEmoji(""));
  EXPECT_TRUE(containsOnlyEmojis("\U0001F600\U0001F43B\u200D\u2744\uFE0F"));
  EXPECT_FALSE(containsOnlyEmojis("\U0001F600 "));
  EXPECT_TRUE(containsEmoji("ab\U0001F600"));
  EXPECT_FALSE(containsEmoji("abc 123"));

  EXPECT_TRUE(isSingleEmoji("\U0001F3F3\uFE0F\u200D\u26A7\uFE0F"));
  EXPECT_FALSE(isSingleEmoji("\U0001F600\U0001F600"));
  EXPECT_FALSE(isSingleEmoji("a"));

  EXPECT_EQ(emojiString("a\U0001F600b\U0001F389"), "\U0001F600\U0001F389");
  EXPECT_EQ(emojiString("plain"), "");
  EXPECT_EQ(emojis("x\U0001F44D\U0001F3FDy1"), std::vector<std::string>{"\U0001F44D\U0001F3FD"});
  EXPECT_EQ(emojiScalars("a\U0001F44D\U0001F3FD"), U"\U0001F44D\U0001F3FD");
}


}  // namespace
}  // namespace keyloom
