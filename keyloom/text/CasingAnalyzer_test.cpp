#include "keyloom/text/CasingAnalyzer.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct CasingCase {
  const char* text;
  bool lowercased;
  bool uppercased;
  bool capitalized;
};

TEST(CasingAnalyzer, Table) {
  const CasingCase cases[] = {
      {"Hello", false, false, true},
      {"hello", true, false, false},
      {"HELLO", false, true, false},
      {"123", false, false, true},
      {"", false, false, true},
      {"Hello World", false, false, true},
      {"Hello world", false, false, false},
      {"\u00C9cole", false, false, true},  // precomposed capital E with acute
      {"stra\u00DFe", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(isLowercased(c.text), c.lowercased);
    EXPECT_EQ(isUppercased(c.text), c.uppercased);
    EXPECT_EQ(isCapitalized(c.text), c.capitalized);
  }
}

}  // namespace
}  // namespace keyloom
