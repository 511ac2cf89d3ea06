#include <gtest/gtest.h>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StaticInputSetProvider.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {
namespace {

std::vector<std::string> numericRow2(const InputSetProvider& provider) {
  return characters(provider.numericInputSet().rows.at(1), KeyboardCase::lowercased);
}

TEST(EnglishInputSetProvider, HoldsTheEnglishSetsWithItsCurrencies) {
  const EnglishInputSetProvider standard;
  EXPECT_EQ(standard.localeKey(), "en");
  EXPECT_EQ(standard.alphabeticInputSet(), AlphabeticInputSet::english());
  EXPECT_EQ(standard.numericInputSet(), NumericInputSet::standard("$"));
  EXPECT_EQ(standard.symbolicInputSet(), SymbolicInputSet::standard({"\u20AC", "\u00A3", "\u00A5"}));

  EnglishInputSetProvider custom(AlphabeticInputSet{}, "\u20AC", "$");
  EXPECT_EQ(numericRow2(custom)[6], "\u20AC");
  EXPECT_EQ(custom.symbolicInputSet(), SymbolicInputSet::standard({"\u20AC", "$", "\u00A5"}));
  custom.setNumericInputSet(NumericInputSet{});
  custom.setLocaleKey("en_GB");
  EXPECT_TRUE(custom.numericInputSet().rows.empty());
  EXPECT_EQ(custom.localeKey(), "en_GB");
}

class StandardInputSetProviderTest : public ::testing::Test {
 protected:
  std::shared_ptr<KeyboardContext> context_ = std::make_shared<KeyboardContext>();
};

TEST_F(StandardInputSetProviderTest, FindsTheProviderByIdentifierThenLanguage) {
  auto english = std::make_shared<EnglishInputSetProvider>();
  const StandardInputSetProvider provider(context_, {english});
  context_->setLocale(platform::Locale("en_US"));
  EXPECT_EQ(provider.provider(*context_), english);

  context_->setLocale(platform::Locale("de"));
  const std::shared_ptr<InputSetProvider> fallback = provider.provider(*context_);
  EXPECT_NE(fallback, english);
  EXPECT_NE(fallback, provider.provider(*context_));  // a new one on every miss
  EXPECT_EQ(fallback->alphabeticInputSet(), english->alphabeticInputSet());
  EXPECT_EQ(fallback->numericInputSet(), english->numericInputSet());
  EXPECT_EQ(fallback->symbolicInputSet(), english->symbolicInputSet());
}

TEST_F(StandardInputSetProviderTest, TheFallbackIsAlwaysTheStandardEnglishProvider) {
  auto euro = std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "\u20AC", "\u00A3");
  const StandardInputSetProvider provider(context_, {euro});
  context_->setLocale(KeyboardLocale::english);
  EXPECT_EQ(numericRow2(provider)[6], "\u20AC");
  context_->setLocale(KeyboardLocale::swedish);
  EXPECT_EQ(numericRow2(provider)[6], "$");

  const StandardInputSetProvider empty(context_, {});
  EXPECT_EQ(numericRow2(empty)[6], "$");
}

TEST_F(StandardInputSetProviderTest, ReadsTheLocaleAtEveryRead) {
  auto english = std::make_shared<EnglishInputSetProvider>();
  auto swedishLetters = std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet{{inputSetRow("åäö")}});
  swedishLetters->setLocaleKey("sv");
  const StandardInputSetProvider provider(context_, {english, swedishLetters});
  context_->setLocale(KeyboardLocale::english_gb);
  EXPECT_EQ(provider.alphabeticInputSet(), AlphabeticInputSet::english());
  context_->setLocale(platform::Locale("sv_SE"));
  EXPECT_EQ(provider.alphabeticInputSet(), swedishLetters->alphabeticInputSet());
}

TEST_F(StandardInputSetProviderTest, KeysAreFixedAtCreationAndTheLastOfTwoEqualKeysWins) {
  auto first = std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "1", "\u00A3");
  auto second = std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "2", "\u00A3");
  const StandardInputSetProvider provider(context_, {first, second});
  context_->setLocale(platform::Locale("en"));
  EXPECT_EQ(provider.provider(*context_), second);
  EXPECT_EQ(provider.localizedProviders().dictionary().size(), 1u);

  second->setLocaleKey("fr");
  EXPECT_EQ(provider.provider(*context_), second);
  context_->setLocale(platform::Locale("fr"));
  EXPECT_NE(provider.provider(*context_), second);
}

TEST_F(StandardInputSetProviderTest, SubclassesChooseTheProviderForEverySet) {
  struct AlwaysEmpty : StandardInputSetProvider {
    using StandardInputSetProvider::StandardInputSetProvider;
    std::shared_ptr<InputSetProvider> provider(const KeyboardContext&) const override {
      return StaticInputSetProvider::empty();
    }
  };
  const AlwaysEmpty provider(context_, {std::make_shared<EnglishInputSetProvider>()});
  EXPECT_TRUE(provider.alphabeticInputSet().rows.empty());
  EXPECT_TRUE(provider.numericInputSet().rows.empty());
  EXPECT_TRUE(provider.symbolicInputSet().rows.empty());
}

TEST(StaticInputSetProvider, ReturnsItsSetsAndEmptyIsNewEveryTime) {
  const StaticInputSetProvider provider(AlphabeticInputSet{{inputSetRow("a")}}, NumericInputSet{{inputSetRow("1")}},
                                        SymbolicInputSet{{inputSetRow("#")}});
  EXPECT_EQ(provider.alphabeticInputSet().rows[0][0].neutral, "a");
  EXPECT_EQ(provider.numericInputSet().rows[0][0].neutral, "1");
  EXPECT_EQ(provider.symbolicInputSet().rows[0][0].neutral, "#");
  EXPECT_NE(StaticInputSetProvider::empty(), StaticInputSetProvider::empty());
  EXPECT_TRUE(StaticInputSetProvider::empty()->symbolicInputSet().rows.empty());
}

}  // namespace
}  // namespace keyloom
