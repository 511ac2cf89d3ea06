#include "keyloom/state/KeyboardLocale.h"

#include <gtest/gtest.h>

#include <set>

#include "keyloom/state/LocaleDirectionAnalyzer.h"
#include "keyloom/state/LocaleFlagProvider.h"
#include "keyloom/state/LocaleNameProvider.h"
#include "platform/coding/DecodingError.h"
#include "platform/coding/JSONDecoder.h"
#include "platform/coding/JSONEncoder.h"
#include "platform/foundation/Text.h"

namespace keyloom {
namespace {

using platform::Locale;

std::string regional(const char* letters) {
  std::u32string scalars;
  for (const char* c = letters; *c; ++c) scalars.push_back(static_cast<char32_t>(*c - 'A') + 0x1F1E6);
  return platform::text::fromScalars(scalars);
}

TEST(KeyboardLocaleTest, HasTheSixtyOneLocalesInOrderWithUniqueIdentifiers) {
  const auto all = allCases<KeyboardLocale>();
  ASSERT_EQ(all.size(), 61u);
  EXPECT_EQ(all.front(), KeyboardLocale::english);
  EXPECT_EQ(all.back(), KeyboardLocale::uzbek);
  std::set<std::string> identifiers;
  for (KeyboardLocale locale : all) identifiers.insert(localeIdentifier(locale));
  EXPECT_EQ(identifiers.size(), 61u);
}

TEST(KeyboardLocaleTest, IdentifiersAndFlagsFollowTheTable) {
  struct Row {
    KeyboardLocale locale;
    const char* identifier;
    const char* region;  // "" for the white flag
  };
  const Row rows[] = {
      {KeyboardLocale::english, "en", "US"},
      {KeyboardLocale::arabic, "ar", "AE"},
      {KeyboardLocale::catalan, "ca", "AD"},
      {KeyboardLocale::cherokee, "chr", ""},
      {KeyboardLocale::dutch_belgium, "nl_BE", "BE"},
      {KeyboardLocale::english_gb, "en_GB", "GB"},
      {KeyboardLocale::english_us, "en_US", "US"},
      {KeyboardLocale::filipino, "fil", "PH"},
      {KeyboardLocale::french_switzerland, "fr_CH", "CH"},
      {KeyboardLocale::german_austria, "de_AT", "AT"},
      {KeyboardLocale::hawaiian, "haw", "US"},
      {KeyboardLocale::hebrew, "he_IL", "IL"},
      {KeyboardLocale::irish, "ga_IE", "IE"},
      {KeyboardLocale::kurdish_sorani, "ckb", "TJ"},
      {KeyboardLocale::kurdish_sorani_arabic, "ckb_IQ", "TJ"},
      {KeyboardLocale::kurdish_sorani_pc, "ckb_PC", "TJ"},
      {KeyboardLocale::norwegian, "nb", "NO"},
      {KeyboardLocale::persian, "fa", "IR"},
      {KeyboardLocale::portuguese, "pt_PT", "PT"},
      {KeyboardLocale::portuguese_brazil, "pt_BR", "BR"},
      {KeyboardLocale::serbian_latin, "sr-Latn", "RS"},
      {KeyboardLocale::swahili, "sw", "KE"},
      {KeyboardLocale::ukrainian, "uk", "UA"},
      {KeyboardLocale::uzbek, "uz", "UZ"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.identifier);
    EXPECT_EQ(localeIdentifier(row.locale), row.identifier);
    EXPECT_EQ(locale(row.locale).identifier(), row.identifier);
    EXPECT_EQ(keyboardLocale(row.identifier), row.locale);
    const std::string expected = *row.region ? regional(row.region) : std::string("\U0001F3F3\uFE0F");
    EXPECT_EQ(flag(row.locale), expected);
  }
  EXPECT_EQ(flag(KeyboardLocale::english), flag(KeyboardLocale::hawaiian));
}

TEST(KeyboardLocaleTest, LookupByIdentifierIsExact) {
  EXPECT_EQ(keyboardLocale("sr-Latn"), KeyboardLocale::serbian_latin);
  EXPECT_EQ(keyboardLocale("sr_Latn"), std::nullopt);
  EXPECT_EQ(keyboardLocale("EN"), std::nullopt);
  EXPECT_EQ(keyboardLocale("he"), std::nullopt);
  EXPECT_EQ(keyboardLocale(""), std::nullopt);
}

TEST(KeyboardLocaleTest, EveryLocaleHasNamesInItselfAndInEnglish) {
  const Locale english("en");
  for (KeyboardLocale locale : allCases<KeyboardLocale>()) {
    SCOPED_TRACE(localeIdentifier(locale));
    EXPECT_FALSE(localizedName(locale).empty());
    EXPECT_FALSE(localizedName(locale, english).empty());
  }
  EXPECT_EQ(localizedName(KeyboardLocale::german), "Deutsch");
  EXPECT_EQ(localizedName(KeyboardLocale::german, english), "German");
  EXPECT_EQ(localizedName(KeyboardLocale::swedish, english), "Swedish");
}

TEST(KeyboardLocaleTest, WritingDirection) {
  const std::vector<KeyboardLocale> rtl{KeyboardLocale::arabic,
                                        KeyboardLocale::hebrew,
                                        KeyboardLocale::kurdish_sorani,
                                        KeyboardLocale::kurdish_sorani_arabic,
                                        KeyboardLocale::kurdish_sorani_pc,
                                        KeyboardLocale::persian};
  EXPECT_EQ(allRtlKeyboardLocales(), rtl);
  EXPECT_EQ(allLtrKeyboardLocales().size(), 61u - rtl.size());
  for (KeyboardLocale locale : rtl) {
    EXPECT_TRUE(isRightToLeft(locale));
    EXPECT_FALSE(isLeftToRight(locale));
  }
  EXPECT_TRUE(isLeftToRight(KeyboardLocale::cherokee));
  EXPECT_TRUE(isLeftToRight(KeyboardLocale::hawaiian));
}

TEST(KeyboardLocaleTest, OnlyEnglishKeepsItsQuotationMarks) {
  for (KeyboardLocale locale : allCases<KeyboardLocale>()) {
    const bool english = locale == KeyboardLocale::english || locale == KeyboardLocale::english_gb ||
                         locale == KeyboardLocale::english_us;
    EXPECT_EQ(prefersAlternateQuotationReplacement(locale), !english) << localeIdentifier(locale);
  }
}

TEST(KeyboardLocaleTest, MatchesComparesIdentifiersAsWritten) {
  EXPECT_TRUE(matches(KeyboardLocale::serbian_latin, Locale("sr-Latn")));
  EXPECT_FALSE(matches(KeyboardLocale::serbian_latin, Locale("sr_Latn")));
  EXPECT_TRUE(matches(Locale("en_US"), KeyboardLocale::english_us));
  EXPECT_FALSE(matches(Locale("en_US"), KeyboardLocale::english));
}

TEST(KeyboardLocaleTest, SerializesAsItsIdentifier) {
  const std::vector<KeyboardLocale> locales{KeyboardLocale::serbian_latin, KeyboardLocale::english};
  const std::string json = platform::JSONEncoder().encode(locales);
  EXPECT_EQ(json, R"(["sr-Latn","en"])");
  EXPECT_EQ(platform::JSONDecoder().decode<std::vector<KeyboardLocale>>(json), locales);
  EXPECT_THROW(platform::JSONDecoder().decode<KeyboardLocale>(R"("sr_Latn")"), platform::DecodingError);
  EXPECT_THROW(platform::JSONDecoder().decode<KeyboardLocale>("1"), platform::DecodingError);
}

TEST(KeyboardLocaleSortingTest, InsertFirstAndRemoving) {
  using enum KeyboardLocale;
  EXPECT_EQ(sorted({german, english}, english), (std::vector{english, german}));
  EXPECT_EQ(sorted({german}, english), (std::vector{english, german}));
  EXPECT_EQ(sorted({english, german, english}, english), (std::vector{english, german}));
  EXPECT_EQ(insertingFirst({german, english, swedish}, swedish), (std::vector{swedish, german, english}));
  EXPECT_EQ(removing({german, english, german}, german), (std::vector{english}));
  const auto byId = [](KeyboardLocale a, KeyboardLocale b) {
    return localeIdentifier(a) < localeIdentifier(b);
  };
  EXPECT_EQ(sorted({swedish, german, english}, byId, std::nullopt), (std::vector{german, english, swedish}));
  EXPECT_EQ(sorted({swedish, german, english}, byId, swedish), (std::vector{swedish, german, english}));
}

TEST(KeyboardLocaleSortingTest, OwnNamesIgnoreTheUsersLanguage) {
  using enum KeyboardLocale;
  // Deutsch, English, suomi, svenska: lower-cased before comparing.
  const std::vector<KeyboardLocale> expected{german, english, finnish, swedish};
  platform::Locale::setCurrent(platform::Locale("fi"));
  EXPECT_EQ(sorted({swedish, finnish, english, german}), expected);
  platform::Locale::setCurrent(platform::Locale("de"));
  EXPECT_EQ(sorted({english, swedish, german, finnish}), expected);
}

TEST(KeyboardLocaleSortingTest, NamesInAnotherLocaleCanReorder) {
  using enum KeyboardLocale;
  // English: Finnish < German.
  EXPECT_EQ(sortedIn({german, finnish}, Locale("en")), (std::vector{finnish, german}));
  // Spanish: alemán < finés.
  EXPECT_EQ(sortedIn({finnish, german}, Locale("es")), (std::vector{german, finnish}));
}

TEST(LocaleFlagTest, RegionBecomesRegionalIndicators) {
  EXPECT_EQ(flag(Locale("pt_BR")), regional("BR"));
  EXPECT_EQ(flag(Locale("en")), "");
  EXPECT_EQ(flag(Locale("de_ch")), regional("CH"));
  EXPECT_EQ(flag(Locale("")), "");
  // Digits map by the same addition, to scalars that are not letters.
  const std::u32string latinAmerica = platform::text::toScalars(flag(Locale("es_419")));
  EXPECT_EQ(latinAmerica, (std::u32string{U'4' + 0x1F1A5, U'1' + 0x1F1A5, U'9' + 0x1F1A5}));
}

TEST(LocaleNameTest, NamesAndLanguageNames) {
  const Locale swissGerman("de_CH");
  const Locale english("en");
  EXPECT_EQ(localizedLanguageName(swissGerman), "Deutsch");
  EXPECT_EQ(localizedLanguageName(swissGerman, english), "German");
  EXPECT_EQ(localizedLanguageNameOf(Locale("fr"), swissGerman), "Allemand");
  EXPECT_EQ(localizedNameOf(english, swissGerman), "German (Switzerland)");
  // French writes language names in lower case; "of" capitalizes them.
  EXPECT_EQ(localizedName(swissGerman, Locale("fr")), "allemand (Suisse)");
  EXPECT_EQ(localizedNameOf(Locale("fr"), swissGerman), "Allemand (Suisse)");
  EXPECT_EQ(localizedLanguageNameOf(english, Locale("")), std::nullopt);
  // Unknown locales have no name rather than their code.
  EXPECT_EQ(localizedName(Locale("xx")), "");
  EXPECT_EQ(localizedNameOf(english, Locale("xx")), std::nullopt);
}

TEST(LocaleNameTest, SortingPlatformLocales) {
  const std::vector<Locale> locales{Locale("sv"), Locale("de"), Locale("en")};
  EXPECT_EQ(sorted(locales), (std::vector{Locale("de"), Locale("en"), Locale("sv")}));
  EXPECT_EQ(sorted(locales, Locale("sv")), (std::vector{Locale("sv"), Locale("de"), Locale("en")}));
  EXPECT_EQ(sortedIn(locales, Locale("en")), (std::vector{Locale("en"), Locale("de"), Locale("sv")}));
}

TEST(LocaleDirectionTest, LocaleWithoutLanguageHasNoDirection) {
  EXPECT_FALSE(isLeftToRight(Locale("")));
  EXPECT_FALSE(isRightToLeft(Locale("")));
  EXPECT_TRUE(isRightToLeft(Locale("ar")));
  EXPECT_TRUE(isTopToBottom(Locale("en")));
  EXPECT_FALSE(isBottomToTop(Locale("en")));
}

}  // namespace
}  // namespace keyloom
