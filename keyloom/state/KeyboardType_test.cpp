#include "keyloom/state/KeyboardType.h"

#include <gtest/gtest.h>

#include "keyloom/state/KeyboardCaseAdjustable.h"

namespace keyloom {
namespace {

TEST(KeyboardCase, RawValuesAreExact) {
  EXPECT_EQ(fromRawValue<KeyboardCase>("capsLocked"), KeyboardCase::capsLocked);
  EXPECT_EQ(fromRawValue<KeyboardCase>("auto"), KeyboardCase::auto_);
  EXPECT_EQ(fromRawValue<KeyboardCase>("CapsLocked"), std::nullopt);
  EXPECT_EQ(fromRawValue<KeyboardCase>("capslocked"), std::nullopt);
  EXPECT_EQ(fromRawValue<KeyboardCase>(""), std::nullopt);
  EXPECT_EQ(rawValue(KeyboardCase::auto_), "auto");
}

TEST(KeyboardCase, CasingAndShiftImage) {
  EXPECT_FALSE(isUppercased(KeyboardCase::auto_));
  EXPECT_FALSE(isLowercased(KeyboardCase::auto_));
  EXPECT_TRUE(isUppercased(KeyboardCase::capsLocked));
  EXPECT_TRUE(isLowercased(KeyboardCase::lowercased));
  EXPECT_EQ(standardButtonImage(KeyboardCase::auto_), KeyboardImage::systemSymbol("shift"));
  EXPECT_EQ(standardButtonImage(KeyboardCase::lowercased), KeyboardImage::systemSymbol("shift"));
  EXPECT_EQ(standardButtonImage(KeyboardCase::capsLocked), KeyboardImage::systemSymbol("capslock.fill"));
  EXPECT_EQ(standardButtonImage(KeyboardCase::uppercased), KeyboardImage::systemSymbol("shift.fill"));
}

TEST(KeyboardType, AlphabeticPredicates) {
  const auto autoCased = KeyboardType::alphabetic(KeyboardCase::auto_);
  EXPECT_TRUE(autoCased.isAlphabetic());
  EXPECT_FALSE(autoCased.isAlphabetic(KeyboardCase::lowercased));
  EXPECT_FALSE(autoCased.isAlphabeticUppercased());
  EXPECT_TRUE(KeyboardType::alphabetic(KeyboardCase::capsLocked).isAlphabeticUppercased());
  EXPECT_TRUE(KeyboardType::alphabetic(KeyboardCase::uppercased).isAlphabeticUppercased());
  EXPECT_FALSE(KeyboardType::numeric().isAlphabetic());
  EXPECT_FALSE(KeyboardType::custom("alphabetic").isAlphabetic());
}

TEST(KeyboardType, EqualityAndIds) {
  EXPECT_NE(KeyboardType::alphabetic(KeyboardCase::lowercased),
            KeyboardType::alphabetic(KeyboardCase::uppercased));
  EXPECT_EQ(KeyboardType::custom("a"), KeyboardType::custom("a"));
  EXPECT_NE(KeyboardType::custom("a"), KeyboardType::custom("b"));
  EXPECT_NE(KeyboardType::custom("numeric"), KeyboardType::numeric());

  EXPECT_EQ(KeyboardType::alphabetic(KeyboardCase::lowercased).id(), "lowercased");
  EXPECT_EQ(KeyboardType::alphabetic(KeyboardCase::auto_).id(), "auto");
  EXPECT_EQ(KeyboardType::custom("").id(), "");
  // Ids are not unique: a custom type can take another type's id.
  EXPECT_EQ(KeyboardType::custom("numeric").id(), KeyboardType::numeric().id());
  EXPECT_EQ(KeyboardType::emojis().id(), "emojis");
}

TEST(KeyboardType, ImagesAndAutocompletePreference) {
  EXPECT_EQ(KeyboardType::email().standardButtonImage(), KeyboardImage::systemSymbol("envelope"));
  EXPECT_EQ(KeyboardType::emojis().standardButtonImage(), KeyboardImage::libraryAsset("keyboardEmoji"));
  EXPECT_EQ(KeyboardType::images().standardButtonImage(), KeyboardImage::systemSymbol("photo"));
  EXPECT_EQ(KeyboardType::alphabetic(KeyboardCase::auto_).standardButtonImage(), std::nullopt);
  EXPECT_EQ(KeyboardType::custom("x").standardButtonImage(), std::nullopt);

  EXPECT_TRUE(KeyboardType::alphabetic(KeyboardCase::capsLocked).prefersAutocomplete());
  EXPECT_TRUE(KeyboardType::custom("").prefersAutocomplete());
  EXPECT_TRUE(KeyboardType::numeric().prefersAutocomplete());
  EXPECT_FALSE(KeyboardType::email().prefersAutocomplete());
  EXPECT_FALSE(KeyboardType::emojis().prefersAutocomplete());
  EXPECT_FALSE(KeyboardType::images().prefersAutocomplete());
}

TEST(KeyboardCaseAdjustable, FollowsTheReferenceCasing) {
  struct Row {
    const char* reference;
    const char* expected;
  };
  const Row rows[] = {
      {"Hello", "Word"},        // capital then small letters
      {"HELLO", "WORD"},        // all capitals
      {"hello", "word"},        // all small
      {"hELLO", "wOrD"},        // mixed otherwise: unchanged
      {"Hello world", "wOrD"},  // sentence case matches none
      {"Hello World", "Word"},  // every word capitalized
      {"A", "Word"},            // capitalized is tested first
      {"AB", "WORD"},
      {"1", "Word"},  // no letters
      {"", "Word"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(caseAdjusted("wOrD", row.reference), row.expected) << "reference \"" << row.reference << "\"";
  }
}

}  // namespace
}  // namespace keyloom
