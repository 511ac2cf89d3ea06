#include "keyloom/state/Emoji.h"

#include <gtest/gtest.h>

#include "keyloom/state/KeyboardAction.h"
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/EmojiNameOverrides.h"
#include "platform/coding/Codable.h"
#include "platform/foundation/Text.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

TEST(Emoji, NamesAndLocalizationKeys) {
  const struct {
    const char* emoji;
    const char* name;
    const char* key;
  } cases[] = {
      {"\U0001F600", "Grinning Face", "Emoji.GrinningFace"},
      {"\U0001F44D\U0001F3FD", "Thumbs Up Sign", "Emoji.ThumbsUpSign"},  // named after its first scalar
      {"\U0001F3FD", "Emoji Modifier Fitzpatrick Type-4", "Emoji.EmojiModifierFitzpatrickType-4"},
      {"1\uFE0F\u20E3", "Digit One", "Emoji.DigitOne"},
      {"\U0001F1FA\U0001F1F8", "Flag - United States", "Emoji.Flag-UnitedStates"},
      {"\U0001F1E8\U0001F1EE", "Flag - C\u00F4te d\u2019Ivoire", "Emoji.Flag-C\u00F4ted\u2019Ivoire"},
      {"\U0001F3F3\uFE0F\u200D\U0001F308", "Rainbow Flag", "Emoji.RainbowFlag"},
      {"\U0001F3F4\u200D\u2620\uFE0F", "Pirate Flag", "Emoji.PirateFlag"},
      {"\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F", "Flag - Scotland",
       "Emoji.Flag-Scotland"},
  };
  for (const auto& c : cases) {
    const Emoji emoji(c.emoji);
    EXPECT_EQ(emoji.unicodeName(), c.name) << c.emoji;
    EXPECT_EQ(emoji.localizationKey(), c.key) << c.emoji;
    EXPECT_EQ("Emoji." + emoji.localizationKeyId().value_or("?"), c.key) << c.emoji;
  }
  EXPECT_EQ(Emoji("\U0001F44D\U0001F3FD").unicodeIdentifier(),
            "\\N{THUMBS UP SIGN}\\N{EMOJI MODIFIER FITZPATRICK TYPE-4}");
  EXPECT_EQ(Emoji("\U0001F600").unicodeNameOverride(), std::nullopt);
}

TEST(Emoji, TextWithoutANameHasAnEmptyKey) {
  for (const char* text : {"", "\xFF"}) {
    const Emoji emoji(text);
    EXPECT_EQ(emoji.unicodeName(), std::nullopt);
    EXPECT_EQ(emoji.localizationKeyId(), std::nullopt);
    EXPECT_EQ(emoji.localizationKey(), "Emoji.");
    EXPECT_EQ(emoji.localizedName(platform::Locale("en")), "");
  }
  EXPECT_EQ(Emoji("\xFF").unicodeIdentifier(), std::nullopt);
}

TEST(Emoji, OverrideTableNamesEachFlagOnce) {
  const auto list = emojiNameOverrideList();
  ASSERT_EQ(list.size(), 270u);
  EXPECT_EQ(Emoji::unicodeNameOverrides().size(), list.size());  // no emoji named twice
  for (const EmojiNameOverride& entry : list) {
    EXPECT_EQ(platform::text::graphemeCount(entry.emoji), 1u) << entry.name;
  }
  const auto& overrides = Emoji::unicodeNameOverrides();
  EXPECT_EQ(overrides.at("\U0001F1E6\U0001F1E8"), "Flag - Ascension Island");
  EXPECT_EQ(overrides.at("\U0001F1ED\U0001F1F0"), "Flag - Hong Kong SAR China");
  EXPECT_EQ(overrides.at("\U0001F1F8\U0001F1ED"), "Flag - St. Helena");
  EXPECT_EQ(overrides.at("\U0001F1EA\U0001F1FA"), "Flag - European Union");
  EXPECT_EQ(overrides.at("\U0001F1FA\U0001F1F3"), "Flag - United Nations");
  EXPECT_EQ(overrides.at("\U0001F1FF\U0001F1FC"), "Flag - Zimbabwe");
  EXPECT_EQ(overrides.at("\U0001F3F3\uFE0F\u200D\u26A7\uFE0F"), "Transgender Flag");
  EXPECT_EQ(overrides.at("\U0001F3F4\U000E0075\U000E0073\U000E0074\U000E0078\U000E007F"), "Flag for Texas (US-TX)");
}

class EmojiLocalizedNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("keyloom-emoji-names-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    const fs::path german = root_ / keyloomBundleName / "de.lproj";
    fs::create_directories(german);
    std::ofstream(german / "Localizable.strings") << "\"Emoji.GrinningFace\" = \"  grinsendes Gesicht \";\n"
                                                     "\"Emoji.PartyPopper\" = \"Emoji.PartyPopper\";\n";
    fs::create_directories(root_ / keyloomBundleName / "fr.lproj");
    setKeyloomBundleCandidates({root_, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

TEST_F(EmojiLocalizedNameTest, TableEntryElseUnicodeName) {
  const Emoji grinning("\U0001F600");
  EXPECT_EQ(grinning.localizedName(platform::Locale("de_CH")), "grinsendes Gesicht");  // language folder, trimmed
  EXPECT_EQ(grinning.localizedName(platform::Locale("fr")), "Grinning Face");         // no entry
  EXPECT_EQ(grinning.localizedName(platform::Locale("sv")), "Grinning Face");         // no folder
  EXPECT_EQ(Emoji("\U0001F389").localizedName(platform::Locale("de")), "Party Popper");  // entry equal to its key
}

TEST_F(EmojiLocalizedNameTest, MatchingByUnicodeOrLocalizedName) {
  const platform::Locale german("de");
  const Emoji grinning("\U0001F600");
  EXPECT_TRUE(grinning.matches(" \n ", german));
  EXPECT_TRUE(grinning.matches("GRIN", german));
  EXPECT_TRUE(grinning.matches(" Gesicht\n", german));
  EXPECT_FALSE(grinning.matches("gesicht", platform::Locale("fr")));
  EXPECT_FALSE(grinning.matches("cat", german));

  const std::vector<Emoji> emojis = {Emoji("\U0001F431"), grinning, Emoji("\U0001F638")};
  EXPECT_EQ(matching(emojis, "cat", german), (std::vector<Emoji>{Emoji("\U0001F431"), Emoji("\U0001F638")}));
  EXPECT_EQ(matching(emojis, "", german), emojis);
}

TEST(Emoji, EqualityIsCanonicalEquivalence) {
  EXPECT_EQ(Emoji("\u00C5"), Emoji("A\u030A"));
  EXPECT_EQ(Emoji("\u212B"), Emoji("\u00C5"));
  EXPECT_EQ(KeyboardAction::emoji(Emoji("\u00C5")), KeyboardAction::emoji(Emoji("A\u030A")));
  EXPECT_NE(Emoji("\U0001F43B\u200D\u2744\uFE0F"), Emoji("\U0001F43B\u2744\uFE0F")) << "the joiner counts";
  EXPECT_NE(Emoji("\u2764"), Emoji("\u2764\uFE0F")) << "a variation selector is no canonical mark";
  EXPECT_EQ(Emoji("A\u030A").char_(), "A\u030A") << "the text is kept as written";
}

TEST(Emoji, CodedAsItsText) {
  const Emoji bear("\U0001F43B\u200D\u2744\uFE0F");
  const std::string json = platform::JSONEncoder().encode(bear);
  EXPECT_EQ(json, "{\"char\":\"\U0001F43B\u200D\u2744\uFE0F\"}");
  EXPECT_EQ(platform::JSONDecoder().decode<Emoji>(json), bear);
  EXPECT_EQ(platform::JSONDecoder().decode<Emoji>(R"({"char":"not checked"})"), Emoji("not checked"));

  const auto failure = [](std::string_view text) {
    try {
      platform::JSONDecoder().decode<Emoji>(text);
    } catch (const platform::DecodingError& error) {
      return error.kind();
    }
    return platform::DecodingError::Kind::dataCorrupted;
  };
  EXPECT_EQ(failure(R"({})"), platform::DecodingError::Kind::keyNotFound);
  EXPECT_EQ(failure(R"({"char":1})"), platform::DecodingError::Kind::typeMismatch);
  EXPECT_EQ(failure(R"("x")"), platform::DecodingError::Kind::typeMismatch);
}

}  // namespace
}  // namespace keyloom
