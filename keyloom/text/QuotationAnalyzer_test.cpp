#include "keyloom/text/QuotationAnalyzer.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr const char* kLeftDouble = "\u201C";
constexpr const char* kRightDouble = "\u201D";
constexpr const char* kLeftSingle = "\u2018";
constexpr const char* kRightSingle = "\u2019";

platform::Locale curlyLocale(const char* identifier) {
  return platform::Locale(identifier)
      .withQuotationDelimiters({kLeftDouble, kRightDouble, kLeftSingle, kRightSingle});
}

TEST(QuotationAnalyzer, UnclosedQuotation) {
  struct Case {
    const char* text;
    bool unclosed;
  } cases[] = {
      {"He said \u201Chi", true},
      {"He said \u201Chi\u201D and", false},
      {"no quotes", false},
      {"a \u201D b", false},
      {"", false},
      {"\u201Ca\u201D \u201Cb", true},
      // A combining mark turns the quote into another character.
      {"x \u201C\u0301", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(hasUnclosedQuotation(c.text, kLeftDouble, kRightDouble), c.unclosed);
    EXPECT_EQ(hasUnclosedQuotation(c.text, curlyLocale("fr")), c.unclosed);
  }
}

TEST(QuotationAnalyzer, DelimitersThatAreNeverFound) {
  EXPECT_FALSE(hasUnclosedQuotation("\"a", "\"", "\""));  // same mark opens and closes
  EXPECT_FALSE(hasUnclosedQuotation("<<a", "<<", ">>"));  // two characters
  EXPECT_FALSE(hasUnclosedQuotation("a", "", "\u201D"));  // empty
  const auto noMarks = platform::Locale("fr").withQuotationDelimiters({});
  EXPECT_FALSE(hasUnclosedQuotation("\u201Chi", noMarks));
  EXPECT_FALSE(hasUnclosedAlternateQuotation("\u2018hi", noMarks));
}

TEST(QuotationAnalyzer, AlternateQuotation) {
  const auto locale = curlyLocale("fr");
  EXPECT_TRUE(hasUnclosedAlternateQuotation("x \u2018y", locale));
  EXPECT_FALSE(hasUnclosedAlternateQuotation("x \u2018y\u2019", locale));
}

TEST(QuotationAnalyzer, Quoted) {
  const auto locale = curlyLocale("fr");
  EXPECT_EQ(quoted("hi", locale), "\u201Chi\u201D");
  EXPECT_EQ(alternateQuoted("hi", locale), "\u2018hi\u2019");
  const auto partial = platform::Locale("fr").withQuotationDelimiters({kLeftDouble, std::nullopt, {}, {}});
  EXPECT_EQ(quoted("hi", partial), "hi");
  EXPECT_EQ(alternateQuoted("hi", partial), "hi");
}

TEST(QuotationAnalyzer, PreferredReplacement) {
  const auto locale = curlyLocale("fr");
  struct Case {
    const char* text;
    const char* mark;
    std::optional<std::string> replacement;
  } cases[] = {
      {"He said ", kRightDouble, kLeftDouble},           // opens a quotation
      {"He said \u201Chi", kRightDouble, std::nullopt},  // already closes it
      {"x \u2018y", kLeftSingle, kRightSingle},          // alternate rule closes
      {"x", kLeftSingle, std::nullopt},                  // would be the mark itself
      {"x", "a", std::nullopt},
      {"", kRightDouble, kLeftDouble},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " + " + c.mark);
    EXPECT_EQ(preferredQuotationReplacement(c.text, c.mark, locale), c.replacement);
  }
}

TEST(QuotationAnalyzer, AlternateRuleNeverAppliesToEnglish) {
  EXPECT_EQ(preferredQuotationReplacement("x \u2018y", kLeftSingle, curlyLocale("en_GB")), std::nullopt);
}

TEST(QuotationAnalyzer, RightDoubleMarkQualifiesUnlessItIsTheAlternateEnd) {
  // German: primary „ “, alternate ‚ ‘.
  const auto german =
      platform::Locale("de").withQuotationDelimiters({"\u201E", "\u201C", "\u201A", kLeftSingle});
  EXPECT_EQ(preferredQuotationReplacement("Er sagt ", kRightDouble, german), "\u201E");
  EXPECT_EQ(preferredQuotationReplacement("Er sagt \u201Ehi", kRightDouble, german), "\u201C");
  // A locale whose alternate end is ” keeps a typed ” for the alternate rule.
  const auto swapped =
      platform::Locale("nl").withQuotationDelimiters({kLeftSingle, kRightSingle, kLeftDouble, kRightDouble});
  EXPECT_EQ(preferredQuotationReplacement("x ", kRightDouble, swapped), kLeftDouble);
  EXPECT_EQ(preferredQuotationReplacement("x \u201Cy", kRightDouble, swapped), std::nullopt);
}

TEST(QuotationAnalyzer, AMarkThatMayNotBeReplacedIsNeverReplaced) {
  // The locales' own marks too, from the locale data.
  const platform::Locale locales[] = {
      curlyLocale("fr"), curlyLocale("en"), platform::Locale("en_US"), platform::Locale("de"),
      platform::Locale("fr_CH"), platform::Locale("ja"), platform::Locale("sv"), platform::Locale("xx")};
  const char* const marks[] = {"a", "\"", "'", kLeftDouble, kRightDouble, kLeftSingle, kRightSingle,
                               "\u00AB", "\u00BB", "\u201E", "\u201A", "\u300C", "\u300D", "\u300E", "\u300F"};
  const char* const texts[] = {"", "x ", "x \u201Cy", "x \u2018y", "x \u00ABy", "x \u201Ey", "x \u300Cy",
                               "x \u300Ey", "x \u201Ay"};
  int replaced = 0;
  for (const auto& locale : locales) {
    for (const char* mark : marks) {
      if (mayReplaceQuotationMark(mark, locale)) continue;
      for (const char* text : texts) {
        EXPECT_EQ(preferredQuotationReplacement(text, mark, locale), std::nullopt)
            << locale.identifier() << " " << mark << " after " << text;
      }
    }
    for (const char* mark : marks) {
      for (const char* text : texts) replaced += preferredQuotationReplacement(text, mark, locale) ? 1 : 0;
    }
  }
  EXPECT_GT(replaced, 0);
  EXPECT_FALSE(mayReplaceQuotationMark("a", curlyLocale("fr")));
  EXPECT_TRUE(mayReplaceQuotationMark(kRightDouble, curlyLocale("fr")));
}

}  // namespace
}  // namespace keyloom
