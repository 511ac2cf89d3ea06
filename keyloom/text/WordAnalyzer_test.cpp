#include "keyloom/text/WordAnalyzer.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(WordAnalyzer, FragmentAtEnd) {
  const std::pair<const char*, const char*> cases[] = {
      {"Hello wor", "wor"},
      {"Hello ", ""},
      {"(abc", "abc"},
      {"", ""},
      {"tab\tword", "tab\tword"},  // a tab does not separate words
      {"line\nword", "word"},
      {"caf\u00E9", "caf\u00E9"},
      {"cafe\u0301", "cafe\u0301"},  // combining acute stays on its letter
      {"x .\u0301", ".\u0301"},      // a period with a mark is no delimiter
      {"hi \U0001F469\u200D\U0001F4BB", "\U0001F469\u200D\U0001F4BB"},
      {"flag \U0001F1FA\U0001F1F8", "\U0001F1FA\U0001F1F8"},
  };
  for (const auto& [text, fragment] : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    EXPECT_EQ(wordFragmentAtEnd(text), fragment);
  }
}

TEST(WordAnalyzer, FragmentAtStart) {
  EXPECT_EQ(wordFragmentAtStart("ld! More"), "ld");
  EXPECT_EQ(wordFragmentAtStart(" x"), "");
  EXPECT_EQ(wordFragmentAtStart(""), "");
  EXPECT_EQ(wordFragmentAtStart("\u0301x y"), "\u0301x");
}

TEST(WordAnalyzer, WordAtOffset) {
  EXPECT_EQ(word("Hi there", 3), "there");
  EXPECT_EQ(word("Hi there", 2), "Hi");
  EXPECT_EQ(word(" x", 0), std::nullopt);
  // Offsets count characters: the emoji is one.
  EXPECT_EQ(word("\U0001F600 ab", 3), "ab");
  EXPECT_EQ(word("e\u0301t\u00E9 x", 1), "e\u0301t\u00E9");
}

TEST(WordAnalyzer, OffsetsOutsideTheTextAreClamped) {
  EXPECT_EQ(word("Hi there", -4), "Hi");
  EXPECT_EQ(word("Hi there", 99), "there");
  EXPECT_EQ(wordFragmentBefore("Hi there", 99), "there");
  EXPECT_EQ(wordFragmentAfter("Hi there", -1), "Hi");
  EXPECT_EQ(wordFragmentAfter("Hi there", 99), "");
  EXPECT_EQ(word("", 5), std::nullopt);
}

TEST(WordAnalyzer, FragmentsAroundAnOffset) {
  EXPECT_EQ(wordFragmentBefore("Hello world", 8), "wo");
  EXPECT_EQ(wordFragmentAfter("Hello world", 8), "rld");
}

TEST(WordAnalyzer, DelimiterSuffix) {
  EXPECT_TRUE(hasWordDelimiterSuffix("Hi,"));
  EXPECT_TRUE(hasWordDelimiterSuffix("Hi\n"));
  EXPECT_FALSE(hasWordDelimiterSuffix("Hi"));
  EXPECT_FALSE(hasWordDelimiterSuffix("Hi\r\n"));
  EXPECT_FALSE(hasWordDelimiterSuffix(""));
}

}  // namespace
}  // namespace keyloom
