#include <gtest/gtest.h>

#include "keyloom/text/AutocompleteSuggestion.h"

namespace keyloom {
namespace {

TEST(AutocompleteSuggestion, AbsentTitleShowsTheText) {
  EXPECT_EQ(AutocompleteSuggestion("word").title, "word");
  EXPECT_EQ(AutocompleteSuggestion("word", "").title, "");
  EXPECT_EQ(AutocompleteSuggestion("word", "Word").title, "Word");
}

}  // namespace
}  // namespace keyloom
