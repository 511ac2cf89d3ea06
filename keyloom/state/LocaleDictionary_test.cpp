#include "keyloom/state/LocaleDictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace keyloom {
namespace {

using platform::Locale;

TEST(LocaleDictionaryTest, FullIdentifierThenLanguageCodeAndNothingElse) {
  const LocaleDictionary<std::string> dictionary(
      std::map<std::string, std::string>{{"en", "english"}, {"de_CH", "swiss"}});
  EXPECT_EQ(dictionary.value(Locale("en_GB")), "english");
  EXPECT_EQ(dictionary.value(Locale("en")), "english");
  EXPECT_EQ(dictionary.value(Locale("de_CH")), "swiss");
  EXPECT_EQ(dictionary.value(Locale("de")), std::nullopt);
  EXPECT_EQ(dictionary.value(Locale("de_AT")), std::nullopt);
  EXPECT_EQ(dictionary.value(Locale("")), std::nullopt);
  EXPECT_EQ(dictionary.dictionary().size(), 2u);
}

TEST(LocaleDictionaryTest, IdentifiersAreComparedAsWritten) {
  const LocaleDictionary<int> dictionary(std::map<KeyboardLocale, int>{{KeyboardLocale::serbian_latin, 1}});
  EXPECT_EQ(dictionary.dictionary().count("sr-Latn"), 1u);
  EXPECT_EQ(dictionary.value(Locale("sr-Latn")), 1);
  EXPECT_EQ(dictionary.value(Locale("sr_Latn")), std::nullopt)
      << "neither the identifier nor the language sr";
}

TEST(LocaleDictionaryTest, ALocaleWithoutLanguageUsesTheEmptyKey) {
  const LocaleDictionary<int> dictionary(std::map<std::string, int>{{"", 7}, {"fr", 1}});
  EXPECT_EQ(dictionary.value(Locale("")), 7);
  EXPECT_EQ(dictionary.value(Locale("123")), 7);
  EXPECT_EQ(dictionary.value(Locale("fr_CA")), 1);
  EXPECT_EQ(dictionary.value(Locale("it")), std::nullopt);
}

}  // namespace
}  // namespace keyloom
