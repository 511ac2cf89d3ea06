#include "keyloom/state/EmojiCategory.h"

#include <gtest/gtest.h>

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/MostRecentEmojiProvider.h"
#include "platform/coding/Codable.h"
#include "platform/foundation/ProcessState.h"
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

TEST(EmojiCategory, FixedTablesAsEmojisAndActions) {
  const std::vector<Emoji> smileys = emojis(EmojiCategory::smileys);
  ASSERT_EQ(smileys.size(), 483u);
  EXPECT_EQ(smileys.front(), Emoji("\U0001F600"));
  EXPECT_EQ(emojisString(EmojiCategory::smileys).substr(0, 4), "\U0001F600");
  const std::vector<KeyboardAction> actions = emojiActions(EmojiCategory::flags);
  ASSERT_EQ(actions.size(), 259u);
  EXPECT_EQ(actions[6], KeyboardAction::emoji(Emoji("\U0001F3F3\uFE0F\u200D\u26A7\uFE0F")));
  EXPECT_EQ(emojis(EmojiCategory::animals)[8], Emoji("\U0001F43B\u200D\u2744\uFE0F"));
}

TEST(EmojiCategory, FrequentFollowsTheSharedProvider) {
  EXPECT_TRUE(emojis(EmojiCategory::frequent).empty());
  EXPECT_EQ(emojisString(EmojiCategory::frequent), "");
  EXPECT_EQ(Emoji::all().size(), 1854u);

  frequentEmojiProvider()->registerEmoji(Emoji("\U0001F389"));
  frequentEmojiProvider()->registerEmoji(Emoji("\U0001F600"));
  EXPECT_EQ(emojisString(EmojiCategory::frequent), "\U0001F600\U0001F389");
  EXPECT_EQ(emojis(EmojiCategory::frequent), (std::vector<Emoji>{Emoji("\U0001F600"), Emoji("\U0001F389")}));
  // The shared provider keeps them in the standard store.
  EXPECT_EQ(platform::UserDefaults::standard().stringArray("org.keyloom.MostRecentEmojiProvider.emojis"),
            (std::vector<std::string>{"\U0001F600", "\U0001F389"}));

  const std::vector<Emoji> all = Emoji::all();
  ASSERT_EQ(all.size(), 1856u);
  EXPECT_EQ(all[0], Emoji("\U0001F600"));
  EXPECT_EQ(all[2], Emoji("\U0001F600"));  // the smileys table follows the recent ones
}

TEST(EmojiCategory, FrequentProviderCanBeReplaced) {
  class FixedProvider : public FrequentEmojiProvider {
   public:
    std::vector<Emoji> emojis() const override { return {Emoji("a"), Emoji("b")}; }
    void registerEmoji(const Emoji&) override {}
  };
  setFrequentEmojiProvider(std::make_shared<FixedProvider>());
  EXPECT_EQ(emojisString(EmojiCategory::frequent), "ab");
  platform::resetProcessState();
  EXPECT_NE(std::dynamic_pointer_cast<MostRecentEmojiProvider>(frequentEmojiProvider()), nullptr);
  EXPECT_EQ(emojisString(EmojiCategory::frequent), "");
}

TEST(EmojiCategory, CodedAsItsRawValue) {
  for (EmojiCategory category : allCases<EmojiCategory>()) {
    const std::string json = platform::JSONEncoder().encode(category);
    EXPECT_EQ(json, "\"" + std::string(rawValue(category)) + "\"");
    EXPECT_EQ(platform::JSONDecoder().decode<EmojiCategory>(json), category);
  }
  EXPECT_THROW(platform::JSONDecoder().decode<EmojiCategory>(R"("Smileys")"), platform::DecodingError);
}

}  // namespace
}  // namespace keyloom
