#include "keyloom/layout/InputSetItem.h"

#include <gtest/gtest.h>

#include "keyloom/layout/KeyboardRowEditing.h"

namespace keyloom {
namespace {

using Strings = std::vector<std::string>;

std::vector<std::string> neutrals(const InputSetRow& row) {
  std::vector<std::string> result;
  for (const InputSetItem& item : row) result.push_back(item.neutral);
  return result;
}

TEST(InputSetItem, DerivesItsCasesFromOneCharacter) {
  EXPECT_EQ(InputSetItem("a"), InputSetItem("a", "A", "a"));
  EXPECT_EQ(InputSetItem("A"), InputSetItem("A", "A", "a"));
  EXPECT_EQ(InputSetItem("7"), InputSetItem("7", "7", "7"));
  EXPECT_EQ(InputSetItem("$"), InputSetItem("$", "$", "$"));
  // Locale-independent full case mapping: no Turkish dotless i, ß becomes SS.
  EXPECT_EQ(InputSetItem("i").uppercased, "I");
  EXPECT_EQ(InputSetItem("\u00DF").uppercased, "SS");
}

TEST(InputSetItem, TypesItsUppercasedTextOnlyWhenTheKeyboardIsUppercased) {
  const InputSetItem item("n", "U", "l");
  EXPECT_EQ(item.character(KeyboardCase::auto_), "l");
  EXPECT_EQ(item.character(KeyboardCase::lowercased), "l");
  EXPECT_EQ(item.character(KeyboardCase::uppercased), "U");
  EXPECT_EQ(item.character(KeyboardCase::capsLocked), "U");
}

TEST(InputSetItem, IsItsOwnRowIdentity) {
  static_assert(KeyboardRowItem<InputSetItem>);
  InputSetRow row = inputSetRow("abc");
  remove(row, InputSetItem("b"));
  EXPECT_EQ(neutrals(row), (Strings{"a", "c"}));
  // Equal only when all three texts are.
  EXPECT_NE(InputSetItem("a", "A", "a"), InputSetItem("a", "B", "a"));
}

TEST(InputSetRow, SplitsStringsIntoCharactersAndKeepsListsAsGiven) {
  // e + combining acute, a flag and a family emoji are one key each.
  const InputSetRow row = inputSetRow("e\u0301\U0001F1FA\U0001F1F8\U0001F468\u200D\U0001F469\u200D\U0001F467x");
  EXPECT_EQ(neutrals(row), (Strings{"e\u0301", "\U0001F1FA\U0001F1F8",
                                    "\U0001F468\u200D\U0001F469\u200D\U0001F467", "x"}));
  EXPECT_EQ(row[0].uppercased, "E\u0301");

  EXPECT_EQ(neutrals(inputSetRow(Strings{"ab", "c"})), (Strings{"ab", "c"}));
  EXPECT_EQ(inputSetRow({"ab"})[0], InputSetItem("ab", "AB", "ab"));
  EXPECT_TRUE(inputSetRow("").empty());
}

TEST(InputSetRow, PairsLowercasedWithUppercasedCharacters) {
  EXPECT_EQ(inputSetRow("ab", "AB"), (InputSetRow{{"a", "A", "a"}, {"b", "B", "b"}}));
  // The product's styled letters: the pairs need not be case mappings.
  EXPECT_EQ(inputSetRow("ab", "xy"), (InputSetRow{{"a", "x", "a"}, {"b", "y", "b"}}));
  // Extra uppercased characters are ignored.
  EXPECT_EQ(inputSetRow("a", "ABC"), (InputSetRow{{"a", "A", "a"}}));
  // A lowercased character without a partner keeps its own form.
  EXPECT_EQ(inputSetRow("abc", "A"), (InputSetRow{{"a", "A", "a"}, {"b", "b", "b"}, {"c", "c", "c"}}));
  EXPECT_EQ(inputSetRow(Strings{"a", "b"}, Strings{}), (InputSetRow{{"a", "a", "a"}, {"b", "b", "b"}}));
}

TEST(InputSetRow, OnlyAPadUsesThePadCharacters) {
  for (DeviceType device : allCases<DeviceType>()) {
    const bool pad = device == DeviceType::pad;
    EXPECT_EQ(neutrals(inputSetRow("ph", "pad", device)), pad ? (Strings{"p", "a", "d"}) : (Strings{"p", "h"}))
        << rawValue(device);
    EXPECT_EQ(inputSetRow("ph", "PH", "pd", "PD", device),
              pad ? (InputSetRow{{"p", "P", "p"}, {"d", "D", "d"}}) : (InputSetRow{{"p", "P", "p"}, {"h", "H", "h"}}))
        << rawValue(device);
  }
}

TEST(InputSetRow, ReadsBackTheCharactersOfACasing) {
  const InputSetRows rows = {inputSetRow("ab"), {}, inputSetRow("c1")};
  EXPECT_EQ(characters(rows[0], KeyboardCase::uppercased), (Strings{"A", "B"}));
  EXPECT_EQ(characters(rows, KeyboardCase::auto_), (std::vector<Strings>{{"a", "b"}, {}, {"c", "1"}}));
  EXPECT_EQ(characters(rows, KeyboardCase::capsLocked), (std::vector<Strings>{{"A", "B"}, {}, {"C", "1"}}));
}

}  // namespace
}  // namespace keyloom
