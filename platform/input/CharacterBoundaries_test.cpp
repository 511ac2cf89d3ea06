#include "platform/input/CharacterBoundaries.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "platform/foundation/Text.h"
#include "platform/input/HostTextField.h"

namespace platform {
namespace {

std::vector<std::size_t> all(const CharacterBoundaries& boundaries) {
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < boundaries.count(); ++i) offsets.push_back(boundaries.offset(i));
  return offsets;
}

// Pieces whose clusters depend on their neighbours: a base and its combining
// mark, an emoji and its modifier or joiner, pairs of regional indicators,
// CR LF, Hangul jamo, and bytes that are not UTF-8.
const std::vector<std::string> kPieces = {
    "a",          "e",          "\u0301",    "\u0308",     "\U0001F44D", "\U0001F3FD", "\u200D",
    "\u2744",     "\uFE0F",     "\U0001F43B", "\U0001F1E9", "\U0001F1EA", "\U0001F1EB", "\r",
    "\n",         "\u1100",     "\u1161",    "\u11A8",     " ",          "\xff",       "\xe2\x82",
    "\u0915\u094D", "\u0937",   "\U0001F3F3", "\U0001F308", "x\u0301\u0302", "\U0001F1E9\U0001F1EA",
};

TEST(CharacterBoundaries, EveryEditGivesTheBoundariesOfTheWholeText) {
  std::mt19937 random(23);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); };
  for (int run = 0; run < 40; ++run) {
    std::string text;
    CharacterBoundaries boundaries;
    boundaries.reset(text);
    for (int edit = 0; edit < 150; ++edit) {
      std::string inserted;
      for (std::size_t n = pick(4); n > 0; --n) inserted += kPieces[pick(kPieces.size() - 1)];
      const std::size_t from = pick(text.size());
      const std::size_t removed = edit % 3 == 0 ? std::min(pick(6), text.size() - from) : 0;
      text.replace(from, removed, inserted);
      boundaries.replace(text, from, removed, inserted.size());
      ASSERT_EQ(all(boundaries), text::graphemeBoundaries(text)) << "run " << run << ", edit " << edit;
    }
  }
}

TEST(CharacterBoundaries, LongRunsThatChangeFarPastTheEditAreFollowed) {
  // One more regional indicator at the front pairs every flag after it anew.
  std::string flags;
  for (int i = 0; i < 500; ++i) flags += "\U0001F1E9\U0001F1EA";
  CharacterBoundaries boundaries;
  boundaries.reset(flags);
  flags.insert(0, "\U0001F1EB");
  boundaries.replace(flags, 0, 0, 4);
  EXPECT_EQ(all(boundaries), text::graphemeBoundaries(flags));
  flags.erase(0, 4);
  boundaries.replace(flags, 0, 4, 0);
  EXPECT_EQ(all(boundaries), text::graphemeBoundaries(flags));
}

TEST(CharacterBoundaries, LookupsOnBothSidesOfTheLastEdit) {
  const std::string text = "ab\U0001F44D\U0001F3FDcd";  // boundaries 0 1 2 10 11 12
  CharacterBoundaries boundaries;
  boundaries.reset("abcd");
  boundaries.replace(text, 2, 0, 8);
  EXPECT_EQ(boundaries.count(), 6u);
  const std::size_t expected[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {9, 3}, {10, 3}, {11, 4}, {12, 5}, {99, 5}};
  for (const auto& [byte, index] : expected) EXPECT_EQ(boundaries.indexAtOrAfter(byte), index) << byte;
  EXPECT_EQ(boundaries.offset(3), 10u);
}

// Typing and deleting in a long field cost the same per key as in a short one:
// before, each key segmented the whole text again.
TEST(CharacterBoundaries, TypingIntoALongFieldStaysFast) {
  const auto start = std::chrono::steady_clock::now();
  HostTextField field(std::string(100000, 'x'));
  for (int i = 0; i < 30000; ++i) field.insertText(i % 50 == 0 ? "\U0001F44D" : "a");
  field.select(50000);
  for (int i = 0; i < 20000; ++i) field.deleteBackward();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
  EXPECT_EQ(field.characterCount(), 110000u);
  EXPECT_EQ(field.cursorOffset(), 30000u);
}

}  // namespace
}  // namespace platform
