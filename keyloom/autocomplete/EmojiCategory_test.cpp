#include "keyloom/autocomplete/EmojiCategory.h"

#include <gtest/gtest.h>

#include "platform/foundation/Text.h"

namespace keyloom {
namespace {

TEST(EmojiCategory, RawValuesTitlesAndFallbacks) {
  const auto all = allCases<EmojiCategory>();
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(all.front(), EmojiCategory::frequent);
  EXPECT_EQ(rawValue(EmojiCategory::travels), "travels");
  EXPECT_EQ(fromRawValue<EmojiCategory>("Smileys"), std::nullopt);
  EXPECT_EQ(title(EmojiCategory::smileys), "Smileys & People");
  EXPECT_EQ(title(EmojiCategory::foods), "Food & Drink");
  // The variation selectors make these emoji-style, so they must be kept.
  EXPECT_EQ(fallbackDisplayEmoji(EmojiCategory::activities).char_(), "\u26BD\uFE0F");
  EXPECT_EQ(fallbackDisplayEmoji(EmojiCategory::flags).char_(), "\U0001F3F3\uFE0F");
  for (auto category : all) {
    EXPECT_EQ(platform::text::graphemeCount(fallbackDisplayEmoji(category).char_()), 1u)
        << rawValue(category);
  }
}

TEST(Emoji, EqualByText) {
  EXPECT_EQ(Emoji("\U0001F600"), Emoji("\U0001F600"));
  EXPECT_NE(Emoji("\U0001F44D"), Emoji("\U0001F44D\U0001F3FD"));
  EXPECT_EQ(Emoji("x").id(), "x");
}

}  // namespace
}  // namespace keyloom
