#include "keyloom/text/KeyboardCharacters.h"

#include <gtest/gtest.h>

#include "keyloom/text/SentenceAnalyzer.h"
#include "keyloom/text/WordAnalyzer.h"

namespace keyloom {
namespace {

TEST(KeyboardCharacters, DefaultListsInOrder) {
  EXPECT_EQ(sentenceDelimiters(), (std::vector<std::string>{"!", ".", "?"}));
  const std::vector<std::string> words{"!", ".", "?", ",", ";", ":", "(", ")",
                                       "[", "]", "{", "}", "<", ">", " ", "\n"};
  EXPECT_EQ(wordDelimiters(), words);
}

TEST(KeyboardCharacters, DelimiterTestsCompareWholeStrings) {
  EXPECT_TRUE(isSentenceDelimiter("."));
  EXPECT_FALSE(isSentenceDelimiter("!!"));
  EXPECT_FALSE(isSentenceDelimiter(""));
  EXPECT_TRUE(isWordDelimiter(" "));
  EXPECT_TRUE(isWordDelimiter("\n"));
  EXPECT_FALSE(isWordDelimiter("\t"));
  EXPECT_FALSE(isWordDelimiter("\r"));
  EXPECT_FALSE(isWordDelimiter("\r\n"));  // one character, not a line feed
  wordDelimiters().push_back("");
  EXPECT_FALSE(isWordDelimiter(""));
  EXPECT_FALSE(hasWordDelimiterSuffix(""));
}

TEST(KeyboardCharacters, OperationsReadTheCurrentLists) {
  wordDelimiters() = {" "};
  EXPECT_EQ(wordFragmentAtEnd("a,b"), "a,b");

  sentenceDelimiters().clear();
  EXPECT_FALSE(isLastSentenceEnded("Done."));
  // The word list keeps its own copies of the sentence delimiters.
  wordDelimiters().push_back(".");
  EXPECT_TRUE(isWordDelimiter("."));

  sentenceDelimiters().push_back(";");
  EXPECT_TRUE(isLastSentenceEnded("Done;"));
}

TEST(KeyboardCharacters, ListsAreResetBetweenTests) {
  // Runs after the test above changed both lists.
  EXPECT_EQ(sentenceDelimiters().size(), 3u);
  EXPECT_EQ(wordDelimiters().size(), 16u);
}

TEST(KeyboardCharacters, SplitSetHoldsEveryCharacterOfEveryEntry) {
  const std::vector<std::string> entries{"ab", "?"};
  EXPECT_TRUE(isCharacterOfAny("a", entries));
  EXPECT_TRUE(isCharacterOfAny("b", entries));
  EXPECT_TRUE(isCharacterOfAny("?", entries));
  EXPECT_FALSE(isCharacterOfAny("c", entries));
  EXPECT_FALSE(isCharacterOfAny("", entries));
}

TEST(KeyboardCharacters, Constants) {
  EXPECT_EQ(keyboard_characters::carriageReturn, "\r");
  EXPECT_EQ(keyboard_characters::newline, "\n");
  EXPECT_EQ(keyboard_characters::space, " ");
  EXPECT_EQ(keyboard_characters::tab, "\t");
  EXPECT_EQ(keyboard_characters::zeroWidthSpace, "\xE2\x80\x8B");
}

}  // namespace
}  // namespace keyloom
