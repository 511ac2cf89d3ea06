#include "keyloom/text/SentenceAnalyzer.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct SentenceCase {
  const char* text;
  bool ended;
  bool endedWithTrailingWhitespace;
  std::optional<std::string> lastSentence;
};

TEST(SentenceAnalyzer, Table) {
  const SentenceCase cases[] = {
      {"", true, true, std::nullopt},
      {"   ", true, true, std::nullopt},
      {"Hello", false, false, std::nullopt},
      {"Hello.", true, false, "Hello"},
      {"Hello. ", true, true, std::nullopt},  // the last piece is blank
      // Line feeds are not trimmed, so the line feed is the last piece.
      {"Hello.\n", true, true, "\n"},
      {"Hello\n", false, false, std::nullopt},
      {"Hello ", false, false, std::nullopt},
      {"Hello. How are you", false, false, std::nullopt},
      {"Hello. How are you?", true, false, " How are you"},
      {"Hi!", true, false, "Hi"},
      {"...", true, false, std::nullopt},
      {"Wait...", true, false, "Wait"},
      {"Hello.\t", true, true, std::nullopt},
      {"Hello.\u00A0", true, true, std::nullopt},  // no-break space is whitespace
      // A paragraph separator is a newline but only line feeds are dropped.
      {"Hello.\u2029", false, true, std::nullopt},
      // A space between line feeds survives trimming and is then last.
      {"Hello.\n \n", false, true, std::nullopt},
      {"  \n", true, true, "  \n"},
      // "\r\n" is one character and no line feed: never an ended sentence.
      {"Hello.\r\n", false, true, std::nullopt},
      // A combining mark makes the period another character.
      {"Hello.\u0301", false, false, std::nullopt},
      {"Ja! \U0001F600.", true, false, " \U0001F600"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(isLastSentenceEnded(c.text), c.ended);
    EXPECT_EQ(isLastSentenceEndedWithTrailingWhitespace(c.text), c.endedWithTrailingWhitespace);
    EXPECT_EQ(lastSentence(c.text), c.lastSentence);
  }
}

TEST(SentenceAnalyzer, DelimiterSuffix) {
  EXPECT_TRUE(hasSentenceDelimiterSuffix("Hi?"));
  EXPECT_FALSE(hasSentenceDelimiterSuffix("Hi? "));
  EXPECT_FALSE(hasSentenceDelimiterSuffix(""));
}

TEST(SentenceAnalyzer, ReadsOnlyTheLastSentenceOfALongText) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "Some words here. ";
  text += "The end?";
  EXPECT_TRUE(isLastSentenceEnded(text));
  EXPECT_EQ(lastSentence(text), " The end");
}

}  // namespace
}  // namespace keyloom
