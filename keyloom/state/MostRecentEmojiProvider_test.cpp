#include "keyloom/state/MostRecentEmojiProvider.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/foundation/FileUserDefaultsStore.h"

namespace keyloom {
namespace {

using Strings = std::vector<std::string>;

std::shared_ptr<platform::UserDefaults> memoryDefaults() { return std::make_shared<platform::UserDefaults>(); }

void registerAll(MostRecentEmojiProvider& provider, const Strings& chars) {
  for (const std::string& c : chars) provider.registerEmoji(Emoji(c));
}

TEST(MostRecentEmojiProvider, NewestFirstWithoutDuplicates) {
  MostRecentEmojiProvider provider(30, memoryDefaults());
  EXPECT_TRUE(provider.emojis().empty());
  registerAll(provider, {"\U0001F600", "\U0001F389", "\U0001F600"});
  EXPECT_EQ(provider.emojiChars(), (Strings{"\U0001F600", "\U0001F389"}));
  EXPECT_EQ(provider.emojis(), (std::vector<Emoji>{Emoji("\U0001F600"), Emoji("\U0001F389")}));
  EXPECT_EQ(provider.key(), "org.keyloom.MostRecentEmojiProvider.emojis");
}

TEST(MostRecentEmojiProvider, ReusedEmojiMovesToTheFront) {
  MostRecentEmojiProvider provider(30, memoryDefaults());
  registerAll(provider, {"a", "b", "c", "d"});
  provider.registerEmoji(Emoji("b"));
  EXPECT_EQ(provider.emojiChars(), (Strings{"b", "d", "c", "a"}));
}

TEST(MostRecentEmojiProvider, CanonicallyEquivalentTextsAreOneEntry) {
  MostRecentEmojiProvider provider(30, memoryDefaults());
  // Composed, decomposed, and the angstrom sign: one text three ways.
  registerAll(provider, {"\u00C5", "x", "A\u030A"});
  EXPECT_EQ(provider.emojiChars(), (Strings{"A\u030A", "x"}));
  provider.registerEmoji(Emoji("\u212B"));
  EXPECT_EQ(provider.emojiChars(), (Strings{"\u212B", "x"}));
}

TEST(MostRecentEmojiProvider, KeepsAtMostMaxCount) {
  auto defaults = memoryDefaults();
  MostRecentEmojiProvider provider(30, defaults);
  for (int i = 0; i < 31; ++i) provider.registerEmoji(Emoji("e" + std::to_string(i)));
  const Strings chars = provider.emojiChars();
  ASSERT_EQ(chars.size(), 30u);
  EXPECT_EQ(chars.front(), "e30");
  EXPECT_EQ(chars.back(), "e1");  // the oldest, e0, was pushed out
  EXPECT_EQ(defaults->stringArray(provider.key())->size(), 30u);
}

TEST(MostRecentEmojiProvider, ZeroOrNegativeMaxCountKeepsNothing) {
  for (int maxCount : {0, -3}) {
    auto defaults = memoryDefaults();
    MostRecentEmojiProvider provider(maxCount, defaults);
    provider.registerEmoji(Emoji("\U0001F600"));
    EXPECT_EQ(provider.maxCount(), 0);
    EXPECT_EQ(defaults->stringArray(provider.key()), Strings{}) << maxCount;
  }
}

TEST(MostRecentEmojiProvider, WrongStoredTypeReadsEmptyUntilTheNextRegistration) {
  auto defaults = memoryDefaults();
  MostRecentEmojiProvider provider(30, defaults);
  const platform::UserDefaultsValue mixed(platform::UserDefaultsValue::Array{"\U0001F600", 7});
  defaults->set(provider.key(), mixed);
  EXPECT_TRUE(provider.emojis().empty());
  EXPECT_EQ(defaults->object(provider.key()), mixed);  // reading leaves it alone

  provider.registerEmoji(Emoji("\U0001F389"));
  EXPECT_EQ(provider.emojiChars(), Strings{"\U0001F389"});
}

TEST(MostRecentEmojiProvider, ProvidersShareTheStoreNotMemory) {
  auto shared = memoryDefaults();
  MostRecentEmojiProvider first(30, shared);
  MostRecentEmojiProvider second(30, shared);
  MostRecentEmojiProvider other(30, memoryDefaults());
  first.registerEmoji(Emoji("a"));
  second.registerEmoji(Emoji("b"));
  EXPECT_EQ(first.emojiChars(), (Strings{"b", "a"}));
  EXPECT_TRUE(other.emojis().empty());
}

TEST(MostRecentEmojiProvider, SurvivesAReloadOfAFileBackedStore) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("keyloom-recent-emojis-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  const std::filesystem::path file = folder / "standard.json";
  {
    MostRecentEmojiProvider provider(
        30, std::make_shared<platform::UserDefaults>(platform::FileUserDefaultsStore::open(file)));
    registerAll(provider, {"\U0001F43B\u200D\u2744\uFE0F", "\U0001F600"});
  }
  MostRecentEmojiProvider reloaded(
      30, std::make_shared<platform::UserDefaults>(platform::FileUserDefaultsStore::open(file)));
  EXPECT_EQ(reloaded.emojiChars(), (Strings{"\U0001F600", "\U0001F43B\u200D\u2744\uFE0F"}));
  std::filesystem::remove_all(folder);
}

TEST(MostRecentEmojiProvider, DefaultsToTheStandardStore) {
  MostRecentEmojiProvider provider;
  provider.registerEmoji(Emoji("\U0001F600"));
  EXPECT_EQ(platform::UserDefaults::standard().stringArray(provider.key()), Strings{"\U0001F600"});
}

}  // namespace
}  // namespace keyloom
