#include "platform/foundation/Locale.h"

#include "platform/foundation/ProcessState.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

namespace platform {
namespace {

using Code = std::optional<std::string>;

TEST(Locale, KeepsIdentifierVerbatimAndReadsItsCodes) {
  struct Case {
    std::string identifier;
    Code language, region, script;
  };
  const std::vector<Case> cases = {
      {"sr-Latn", "sr", std::nullopt, "Latn"},
      {"he_IL", "he", "IL", std::nullopt},
      {"ckb_PC", "ckb", "PC", std::nullopt},
      {"de-CH", "de", "CH", std::nullopt},
      {"zh_Hant_TW", "zh", "TW", "Hant"},
      {"pt_br", "pt", "BR", std::nullopt},
      {"es_419", "es", "419", std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt},
      {"und", std::nullopt, std::nullopt, std::nullopt},
      {std::string("de\0CH", 5), std::nullopt, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    const Locale locale(c.identifier);
    EXPECT_EQ(locale.identifier(), c.identifier);
    EXPECT_EQ(locale.languageCode(), c.language) << c.identifier;
    EXPECT_EQ(locale.regionCode(), c.region) << c.identifier;
    EXPECT_EQ(locale.scriptCode(), c.script) << c.identifier;
  }
}

TEST(Locale, EqualityComparesIdentifiersAsWritten) {
  EXPECT_EQ(Locale("sr-Latn"), Locale("sr-Latn"));
  EXPECT_NE(Locale("sr-Latn"), Locale("sr_Latn"));
  EXPECT_EQ(Locale("de").withQuotationDelimiters({}), Locale("de"));
}

TEST(Locale, CurrentIsSettableAndResets) {
  EXPECT_EQ(Locale::current().identifier(), "en_US");
  Locale::setCurrent(Locale("de_CH"));
  EXPECT_EQ(Locale::current().identifier(), "de_CH");
  resetProcessState();
  EXPECT_EQ(Locale::current().identifier(), "en_US");
}

TEST(Locale, DisplayNames) {
  EXPECT_EQ(Locale("de").localizedStringForIdentifier("de"), "Deutsch");
  EXPECT_EQ(Locale("en").localizedStringForIdentifier("fr-CA"), "French (Canada)");
  EXPECT_EQ(Locale("fr_CA").localizedStringForIdentifier("fr_CA"), "fran\u00E7ais (Canada)");
  EXPECT_EQ(Locale("nb").localizedStringForIdentifier("nb"), "norsk bokm\u00E5l");
  EXPECT_EQ(Locale("sr-Latn").localizedStringForIdentifier("sr-Latn"), "srpski (latinica)");
  EXPECT_EQ(Locale("en").localizedStringForIdentifier("xx"), std::nullopt);
  EXPECT_EQ(Locale("en").localizedStringForIdentifier("xx_US"), std::nullopt);
  EXPECT_EQ(Locale("en").localizedStringForIdentifier(""), std::nullopt);

  EXPECT_EQ(Locale("de").localizedStringForLanguageCode("de"), "Deutsch");
  EXPECT_EQ(Locale("en_GB").localizedStringForLanguageCode("ar"), "Arabic");
  EXPECT_EQ(Locale("en").localizedStringForLanguageCode("xx"), std::nullopt);
  EXPECT_EQ(Locale("en").localizedStringForLanguageCode(""), std::nullopt);

  EXPECT_EQ(Locale("de").localizedStringForRegionCode("CH"), "Schweiz");
  EXPECT_EQ(Locale("en").localizedStringForRegionCode("ch"), "Switzerland");
  EXPECT_EQ(Locale("en").localizedStringForRegionCode("419"), "Latin America");
  EXPECT_EQ(Locale("en").localizedStringForRegionCode("QQ"), std::nullopt);
  EXPECT_EQ(Locale("en").localizedStringForRegionCode("Swiss"), std::nullopt);
}

// ICU answers for locales it lacks from the process's default locale; the
// answers must not depend on that.
class LocaleWithForeignIcuDefault : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("de_DE", &status);
  }
  void TearDown() override {
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault(saved_.c_str(), &status);
  }
  std::string saved_;
};

TEST_F(LocaleWithForeignIcuDefault, UnknownLocaleHasNoNamesMarksOrDirection) {
  const Locale unknown("xx");
  EXPECT_EQ(unknown.localizedStringForLanguageCode("de"), std::nullopt);
  EXPECT_EQ(unknown.localizedStringForIdentifier("xx"), std::nullopt);
  EXPECT_EQ(unknown.quotationBeginDelimiter(), std::nullopt);
  EXPECT_EQ(unknown.alternateQuotationEndDelimiter(), std::nullopt);
  EXPECT_EQ(Locale::characterDirection("xx"), LanguageDirection::unknown);
  EXPECT_EQ(Locale("en").localizedStringForLanguageCode("de"), "German");
}

TEST(Locale, Directions) {
  struct Case {
    std::string language;
    LanguageDirection character, line;
  };
  const auto ltr = LanguageDirection::leftToRight, rtl = LanguageDirection::rightToLeft;
  const auto ttb = LanguageDirection::topToBottom, unknown = LanguageDirection::unknown;
  const std::vector<Case> cases = {
      {"ar", rtl, ttb},  {"he", rtl, ttb},     {"fa", rtl, ttb},          {"ckb", rtl, ttb},
      {"ckb_PC", rtl, ttb}, {"he_IL", rtl, ttb}, {"en", ltr, ttb},        {"ja", ltr, ttb},
      {"chr", ltr, ttb}, {"haw", ltr, ttb},    {"sr-Latn", ltr, ttb},
      {"", unknown, unknown}, {"xx", unknown, unknown}, {"und", unknown, unknown},
      {"12", unknown, unknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Locale::characterDirection(c.language), c.character) << c.language;
    EXPECT_EQ(Locale::lineDirection(c.language), c.line) << c.language;
  }
}

TEST(Locale, QuotationDelimiters) {
  struct Case {
    std::string identifier;
    Code begin, end, alternateBegin, alternateEnd;
  };
  const std::vector<Case> cases = {
      {"de", "\u201E", "\u201C", "\u201A", "\u2018"},
      {"de-CH", "\u201E", "\u201C", "\u201A", "\u2018"},  // from the parent language
      {"en", "\u201C", "\u201D", "\u2018", "\u2019"},
      {"fr", "\u00AB", "\u00BB", "\u00AB", "\u00BB"},
      {"ja", "\u300C", "\u300D", "\u300E", "\u300F"},
      {"xx", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    const Locale locale(c.identifier);
    EXPECT_EQ(locale.quotationBeginDelimiter(), c.begin) << c.identifier;
    EXPECT_EQ(locale.quotationEndDelimiter(), c.end) << c.identifier;
    EXPECT_EQ(locale.alternateQuotationBeginDelimiter(), c.alternateBegin) << c.identifier;
    EXPECT_EQ(locale.alternateQuotationEndDelimiter(), c.alternateEnd) << c.identifier;
  }
}

TEST(Locale, QuotationDelimitersCanBeReplaced) {
  const Locale custom = Locale("de").withQuotationDelimiters({"<", ">", std::nullopt, "'"});
  EXPECT_EQ(custom.identifier(), "de");
  EXPECT_EQ(custom.quotationBeginDelimiter(), "<");
  EXPECT_EQ(custom.quotationEndDelimiter(), ">");
  EXPECT_EQ(custom.alternateQuotationBeginDelimiter(), std::nullopt);
  EXPECT_EQ(custom.alternateQuotationEndDelimiter(), "'");
}

}  // namespace
}  // namespace platform
