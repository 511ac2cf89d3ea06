#include "keyloom/state/EmojiCategoryTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/autocomplete/EmojiAnalyzer.h"
#include "platform/foundation/Text.h"

namespace keyloom {
namespace {

struct TableShape {
  EmojiCategory category;
  std::size_t count;
  std::size_t rows;
  std::string_view firstRow;
  std::string_view lastRow;
};

// The joiners (U+200D) of the ZWJ sequences are part of the rows.
constexpr TableShape shapes[] = {
    {EmojiCategory::smileys, 483, 49,
     "\U0001F600\U0001F603\U0001F604\U0001F601\U0001F606\U0001F979\U0001F605\U0001F602\U0001F923\U0001F972",
     "\U0001F576\U0001F97D\U0001F302"},
    {EmojiCategory::animals, 211, 22,
     "\U0001F436\U0001F431\U0001F42D\U0001F439\U0001F430\U0001F98A\U0001F43B\U0001F43C\U0001F43B\u200D\u2744\uFE0F"
     "\U0001F428",
     "\U0001F32B"},
    {EmojiCategory::foods, 128, 13,
     "\U0001F34F\U0001F34E\U0001F350\U0001F34A\U0001F34B\U0001F34C\U0001F349\U0001F347\U0001F353\U0001FAD0",
     "\U0001F9CA\U0001F944\U0001F374\U0001F37D\U0001F963\U0001F961\U0001F962\U0001F9C2"},
    {EmojiCategory::activities, 120, 12,
     "\u26BD\uFE0F\U0001F3C0\U0001F3C8\u26BE\uFE0F\U0001F94E\U0001F3BE\U0001F3D0\U0001F3C9\U0001F94F\U0001F3B1",
     "\U0001FA95\U0001F3BB\U0001FA88\U0001F3B2\u265F\U0001F3AF\U0001F3B3\U0001F3AE\U0001F3B0\U0001F9E9"},
    {EmojiCategory::travels, 131, 14,
     "\U0001F697\U0001F695\U0001F699\U0001F68C\U0001F68E\U0001F3CE\U0001F693\U0001F691\U0001F692\U0001F690",
     "\U0001F301"},
    {EmojiCategory::objects, 224, 23,
     "\u231A\uFE0F\U0001F4F1\U0001F4F2\U0001F4BB\u2328\uFE0F\U0001F5A5\U0001F5A8\U0001F5B1\U0001F5B2\U0001F579",
     "\U0001F50F\U0001F510\U0001F512\U0001F513"},
    {EmojiCategory::symbols, 298, 30,
     "\U0001FA77\u2764\uFE0F\U0001F9E1\U0001F49B\U0001F49A\U0001FA75\U0001F499\U0001F49C\U0001F5A4\U0001FA76",
     "\U0001F560\U0001F561\U0001F562\U0001F563\U0001F564\U0001F565\U0001F566\U0001F567"},
    {EmojiCategory::flags, 259, 26,
     "\U0001F3F3\uFE0F\U0001F3F4\U0001F3F4\u200D\u2620\uFE0F\U0001F3C1\U0001F6A9\U0001F3F3\uFE0F\u200D\U0001F308"
     "\U0001F3F3\uFE0F\u200D\u26A7\uFE0F\U0001F1FA\U0001F1F3\U0001F1E6\U0001F1EB\U0001F1E6\U0001F1F1",
     "\U0001F1FB\U0001F1F3\U0001F1E7\U0001F1FE\U0001F1EA\U0001F1ED\U0001F1FC\U0001F1EB\U0001F1FF\U0001F1F2\U0001F1FF"
     "\U0001F1FC\U0001F1E6\U0001F1FD\U0001F1E6\U0001F1F9\U0001F1F9\U0001F1F1"},
};

std::vector<std::string> rowsOf(std::string_view table) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = table.find('\n', start);
    rows.emplace_back(table.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return rows;
    start = end + 1;
  }
}

// The table's emojis, the way the keyboard reads them: newlines removed, then
// split into characters (so a flag pair never straddles a row break).
std::vector<std::string> emojisOf(std::string_view table) {
  std::string text(table);
  std::erase(text, '\n');
  return platform::text::graphemes(text);
}

TEST(EmojiCategoryTables, ShapeCountsAndFixedRows) {
  for (const TableShape& shape : shapes) {
    SCOPED_TRACE(rawValue(shape.category));
    const std::string_view table = emojiCategoryTable(shape.category);
    const std::vector<std::string> rows = rowsOf(table);
    ASSERT_EQ(rows.size(), shape.rows);
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) EXPECT_EQ(platform::text::graphemeCount(rows[i]), 10u) << i;
    EXPECT_GE(platform::text::graphemeCount(rows.back()), 1u);
    EXPECT_LE(platform::text::graphemeCount(rows.back()), 10u);
    EXPECT_EQ(rows.front(), shape.firstRow);
    EXPECT_EQ(rows.back(), shape.lastRow);
    EXPECT_EQ(emojisOf(table).size(), shape.count);
  }
}

TEST(EmojiCategoryTables, EveryEntryIsOneDistinctEmoji) {
  std::set<std::string> seen;
  for (const TableShape& shape : shapes) {
    for (const std::string& emoji : emojisOf(emojiCategoryTable(shape.category))) {
      EXPECT_TRUE(isEmoji(emoji)) << rawValue(shape.category) << " " << emoji;
      EXPECT_TRUE(seen.insert(emoji).second) << "twice: " << emoji;
    }
  }
}

TEST(EmojiCategoryTables, ZeroWidthJoinerSequencesAreSingleEmojis) {
  const std::vector<std::string> animals = emojisOf(emojiCategoryTable(EmojiCategory::animals));
  EXPECT_EQ(animals[8], "\U0001F43B\u200D\u2744\uFE0F");
  const std::vector<std::string> flags = emojisOf(emojiCategoryTable(EmojiCategory::flags));
  EXPECT_EQ(flags[2], "\U0001F3F4\u200D\u2620\uFE0F");
  EXPECT_EQ(flags[6], "\U0001F3F3\uFE0F\u200D\u26A7\uFE0F");
  EXPECT_EQ(flags[7], "\U0001F1FA\U0001F1F3");
}

TEST(EmojiCategoryTables, FrequentHasNoFixedTable) {
  EXPECT_TRUE(emojiCategoryTable(EmojiCategory::frequent).empty());
}

}  // namespace
}  // namespace keyloom
