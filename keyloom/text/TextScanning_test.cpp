#include "keyloom/text/TextScanning.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/foundation/Text.h"

namespace keyloom::textscan {
namespace {

// What the popped character must be: the segmenter's first or last cluster.
std::string segmentedLast(std::string_view s) { return platform::text::lastGrapheme(s).value_or(""); }
std::string segmentedFirst(std::string_view s) { return platform::text::firstGrapheme(s).value_or(""); }

// Text that joins or may join what stands beside it: a prepended mark, a
// combining mark, a joiner, an emoji, a regional indicator, a carriage return.
const char* const kNeighbours[] = {"", "\u0600", "\u0301", "\u200D", "\U0001F44D", "\U0001F1F8", "\r", "\n"};

TEST(TextScanning, PopsTheSameCharactersAsTheSegmenterAroundAsciiText) {
  for (int a = 0; a < 128; ++a) {
    for (int b = 0; b < 128; ++b) {
      const std::string pair{static_cast<char>(a), static_cast<char>(b)};
      for (const char* neighbour : kNeighbours) {
        const std::string before = neighbour + pair;
        std::string_view rest = before;
        ASSERT_EQ(popLastCharacter(rest), segmentedLast(before)) << a << " " << b << " after " << neighbour;
        EXPECT_EQ(rest.size() + segmentedLast(before).size(), before.size());

        const std::string after = pair + neighbour;
        rest = after;
        ASSERT_EQ(popFirstCharacter(rest), segmentedFirst(after)) << a << " " << b << " before " << neighbour;
        EXPECT_EQ(rest.size() + segmentedFirst(after).size(), after.size());
      }
    }
  }
}

TEST(TextScanning, PopsWholeClustersOneByOne) {
  const std::string text = "a\r\n\u0600b e\u0301\U0001F1F8\U0001F1EA!";
  std::string_view rest = text;
  std::vector<std::string_view> fromEnd;
  while (!rest.empty()) fromEnd.push_back(popLastCharacter(rest));
  EXPECT_EQ(fromEnd, (std::vector<std::string_view>{"!", "\U0001F1F8\U0001F1EA", "e\u0301", " ", "\u0600b",
                                                    "\r\n", "a"}));
  rest = text;
  std::vector<std::string_view> fromStart;
  while (!rest.empty()) fromStart.push_back(popFirstCharacter(rest));
  EXPECT_EQ(fromStart, (std::vector<std::string_view>{"a", "\r\n", "\u0600b", " ", "e\u0301",
                                                      "\U0001F1F8\U0001F1EA", "!"}));
  std::string_view empty;
  EXPECT_EQ(popLastCharacter(empty), "");
  EXPECT_EQ(popFirstCharacter(empty), "");
}

}  // namespace
}  // namespace keyloom::textscan
