#include "keyloom/layout/InputSet.h"

#include <gtest/gtest.h>

#include "platform/input/Device.h"

namespace keyloom {
namespace {

using Rows = std::vector<std::vector<std::string>>;

void useDevice(platform::UserInterfaceIdiom idiom) { platform::Device::current().setUserInterfaceIdiom(idiom); }

// Every key of the standard sets is made from one character, so its three
// texts follow from the neutral one; the rows are compared by neutral text.
Rows neutrals(const InputSetRows& rows) {
  Rows result;
  for (const InputSetRow& row : rows) {
    result.emplace_back();
    for (const InputSetItem& item : row) {
      EXPECT_EQ(item, InputSetItem(item.neutral));
      result.back().push_back(item.neutral);
    }
  }
  return result;
}

const Rows phoneQwerty = {{"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"},
                          {"a", "s", "d", "f", "g", "h", "j", "k", "l"},
                          {"z", "x", "c", "v", "b", "n", "m"}};
const Rows padQwerty = {{"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"},
                        {"a", "s", "d", "f", "g", "h", "j", "k", "l"},
                        {"z", "x", "c", "v", "b", "n", "m", ",", "."}};

TEST(AlphabeticInputSet, PhoneQwertyWithItsCasing) {
  EXPECT_EQ(neutrals(AlphabeticInputSet::qwerty().rows), phoneQwerty);
  EXPECT_EQ(characters(AlphabeticInputSet::english().rows, KeyboardCase::uppercased),
            (Rows{{"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"},
                  {"A", "S", "D", "F", "G", "H", "J", "K", "L"},
                  {"Z", "X", "C", "V", "B", "N", "M"}}));
  EXPECT_EQ(characters(AlphabeticInputSet::english().rows, KeyboardCase::auto_), phoneQwerty);
}

TEST(AlphabeticInputSet, PadQwertyEndsRowThreeWithPunctuation) {
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(neutrals(AlphabeticInputSet::english().rows), padQwerty);
  EXPECT_EQ(characters(AlphabeticInputSet::english().rows, KeyboardCase::capsLocked)[2],
            (std::vector<std::string>{"Z", "X", "C", "V", "B", "N", "M", ",", "."}));
}

TEST(AlphabeticInputSet, FollowsTheDeviceAndIsMadeOncePerDevice) {
  const AlphabeticInputSet& phone = AlphabeticInputSet::english();
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(neutrals(AlphabeticInputSet::qwerty().rows), padQwerty);
  EXPECT_EQ(neutrals(AlphabeticInputSet::english().rows), padQwerty);
  const AlphabeticInputSet& pad = AlphabeticInputSet::english();
  useDevice(platform::UserInterfaceIdiom::phone);
  EXPECT_EQ(&AlphabeticInputSet::english(), &phone);
  EXPECT_EQ(neutrals(AlphabeticInputSet::english().rows), phoneQwerty);
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(&AlphabeticInputSet::english(), &pad);
}

TEST(NumericInputSet, PhoneRowsHoldTheCurrency) {
  EXPECT_EQ(neutrals(NumericInputSet::english("$").rows),
            (Rows{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
                  {"-", "/", ":", ";", "(", ")", "$", "&", "@", "\u201D"},
                  {".", ",", "?", "!", "\u2019"}}));
  EXPECT_EQ(NumericInputSet::standard("\u20AC"), NumericInputSet::english("\u20AC"));
  EXPECT_EQ(neutrals(NumericInputSet::standard("\u20AC").rows)[1][6], "\u20AC");
}

TEST(NumericInputSet, PadRows) {
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(neutrals(NumericInputSet::english("$").rows),
            (Rows{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
                  {"@", "#", "$", "&", "*", "(", ")", "\u2019", "\u201D"},
                  {"%", "-", "+", "=", "/", ";", ":", "!", "?"}}));
}

TEST(NumericInputSet, CurrencyCharactersAreKeysAndTheDeviceIsReadOnEveryCall) {
  EXPECT_EQ(neutrals(NumericInputSet::standard("").rows)[1],
            (std::vector<std::string>{"-", "/", ":", ";", "(", ")", "&", "@", "\u201D"}));
  EXPECT_EQ(neutrals(NumericInputSet::standard("kr").rows)[1].size(), 11u);
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(neutrals(NumericInputSet::standard("").rows)[1],
            (std::vector<std::string>{"@", "#", "&", "*", "(", ")", "\u2019", "\u201D"}));
}

TEST(SymbolicInputSet, PhoneRowsHoldTheCurrencies) {
  EXPECT_EQ(neutrals(SymbolicInputSet::english("\u00A3").rows),
            (Rows{{"[", "]", "{", "}", "#", "%", "^", "*", "+", "="},
                  {"_", "\\", "|", "~", "<", ">", "\u20AC", "\u00A3", "\u00A5", "\u2022"},
                  {".", ",", "?", "!", "\u2019"}}));
}

TEST(SymbolicInputSet, PadRows) {
  useDevice(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(neutrals(SymbolicInputSet::english("\u00A3").rows),
            (Rows{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
                  {"\u20AC", "\u00A3", "\u00A5", "_", "^", "[", "]", "{", "}"},
                  {"\u00A7", "|", "~", "\u2026", "\\", "<", ">", "!", "?"}}));
}

TEST(SymbolicInputSet, CurrenciesKeepTheirOrderOneKeyPerCharacter) {
  EXPECT_EQ(SymbolicInputSet::english("\u00A3"), SymbolicInputSet::standard({"\u20AC", "\u00A3", "\u00A5"}));
  EXPECT_EQ(neutrals(SymbolicInputSet::standard({"kr", "$"}).rows)[1],
            (std::vector<std::string>{"_", "\\", "|", "~", "<", ">", "k", "r", "$", "\u2022"}));
  EXPECT_EQ(neutrals(SymbolicInputSet::standard({}).rows)[1],
            (std::vector<std::string>{"_", "\\", "|", "~", "<", ">", "\u2022"}));
}

TEST(InputSet, SetsAreValuesWithSettableRows) {
  AlphabeticInputSet set{{inputSetRow("ab")}};
  AlphabeticInputSet copy = set;
  copy.rows.push_back(inputSetRow("c"));
  EXPECT_EQ(set.rows.size(), 1u);
  EXPECT_NE(set, copy);
  EXPECT_EQ(NumericInputSet{}, NumericInputSet{InputSetRows{}});
}

}  // namespace
}  // namespace keyloom
