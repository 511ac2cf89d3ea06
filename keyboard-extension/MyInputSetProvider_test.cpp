#include "keyboard-extension/MyInputSetProvider.h"

#include <gtest/gtest.h>

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/UnicodeFont.h"
#include "platform/foundation/Text.h"
#include "platform/input/Device.h"

namespace zandorelle {
namespace {

using keyloom::KeyboardCase;
using platform::text::graphemeCount;

void usePad(bool pad) {
  platform::Device::current().setUserInterfaceIdiom(pad ? platform::UserInterfaceIdiom::pad
                                                        : platform::UserInterfaceIdiom::phone);
}

// The keys q, p, a, l, z, m: first and last key of each row, per font.
struct FontCase {
  int font;
  std::array<const char*, 6> lower;
  std::array<const char*, 6> upper;
};

const FontCase fontCases[] = {
    {0, {"q", "p", "a", "l", "z", "m"}, {"Q", "P", "A", "L", "Z", "M"}},
    {1,
     {"\U0001D52E", "\U0001D52D", "\U0001D51E", "\U0001D529", "\U0001D537", "\U0001D52A"},
     {"\U0001D514", "\U0001D513", "\U0001D504", "\U0001D50F", "\u2128", "\U0001D510"}},
    {2,
     {"\U0001D4FA", "\U0001D4F9", "\U0001D4EA", "\U0001D4F5", "\U0001D503", "\U0001D4F6"},
     {"\U0001D4E0", "\U0001D4DF", "\U0001D4D0", "\U0001D4DB", "\U0001D4E9", "\U0001D4DC"}},
    {3,
     {"\U0001D562", "\U0001D561", "\U0001D552", "\U0001D55D", "\U0001D56B", "\U0001D55E"},
     {"\u211A", "\u2119", "\U0001D538", "\U0001D543", "\u2124", "\U0001D544"}},
    {4,
     {"\U0001D69A", "\U0001D699", "\U0001D68A", "\U0001D695", "\U0001D6A3", "\U0001D696"},
     {"\U0001D680", "\U0001D67F", "\U0001D670", "\U0001D67B", "\U0001D689", "\U0001D67C"}},
    {5,
     {"\u24E0", "\u24DF", "\u24D0", "\u24DB", "\u24E9", "\u24DC"},
     {"\u24C6", "\u24C5", "\u24B6", "\u24C1", "\u24CF", "\u24C2"}},
    {6,
     {"\U0001F180", "\U0001F17F", "\U0001F170", "\U0001F17B", "\U0001F189", "\U0001F17C"},
     {"\U0001F180", "\U0001F17F", "\U0001F170", "\U0001F17B", "\U0001F189", "\U0001F17C"}},
    {7,
     {"\U0001D42A", "\U0001D429", "\U0001D41A", "\U0001D425", "\U0001D433", "\U0001D426"},
     {"\U0001D410", "\U0001D40F", "\U0001D400", "\U0001D40B", "\U0001D419", "\U0001D40C"}},
    {8,
     {"\U0001F140", "\U0001F13F", "\U0001F130", "\U0001F13B", "\U0001F149", "\U0001F13C"},
     {"\U0001F140", "\U0001F13F", "\U0001F130", "\U0001F13B", "\U0001F149", "\U0001F13C"}},
    {9,
     {"\U0001D69A\u0337", "\U0001D699\u0337", "\U0001D68A\u0337", "\U0001D695\u0337", "\U0001D6A3\u0337",
      "\U0001D696\u0337"},
     {"\U0001D680\u0337", "\U0001D67F\u0337", "\U0001D670\u0337", "\U0001D67B\u0337", "\U0001D689\u0337",
      "\U0001D67C\u0337"}},
    {10,
     {"q\u0336", "p\u0336", "a\u0336", "l\u0336", "z\u0336", "m\u0336"},
     {"Q\u0336", "P\u0336", "A\u0336", "L\u0336", "Z\u0336", "M\u0336"}},
    {11,
     {"q\u033E", "p\u033E", "a\u033E", "l\u033E", "z\u033E", "m\u033E"},
     {"Q\u033E", "P\u033E", "A\u033E", "L\u033E", "Z\u033E", "M\u033E"}},
    {12,
     {"q\u033D\u0353", "p\u033D\u0353", "a\u033D\u0353", "l\u033D\u0353", "z\u033D\u0353", "m\u033D\u0353"},
     {"Q\u033D\u0353", "P\u033D\u0353", "A\u033D\u0353", "L\u033D\u0353", "Z\u033D\u0353", "M\u033D\u0353"}},
};

void expectRows(const keyloom::InputSetRows& rows, const FontCase& c, KeyboardCase casing, bool pad) {
  const auto& forms = casing == KeyboardCase::uppercased ? c.upper : c.lower;
  const auto keys = keyloom::characters(rows, casing);
  ASSERT_EQ(keys.size(), 3u);
  const std::size_t sizes[] = {10, 9, pad ? 9u : 7u};
  for (std::size_t row = 0; row < 3; ++row) {
    ASSERT_EQ(keys[row].size(), sizes[row]) << "row " << row;
    EXPECT_EQ(keys[row].front(), forms[row * 2]) << "row " << row;
    for (const auto& key : keys[row]) EXPECT_EQ(graphemeCount(key), 1u) << "row " << row << " key " << key;
  }
  EXPECT_EQ(keys[0].back(), forms[1]);
  EXPECT_EQ(keys[1].back(), forms[3]);
  if (pad) {
    EXPECT_EQ(keys[2][6], forms[5]);
    EXPECT_EQ(keys[2][7], ",");
    EXPECT_EQ(keys[2][8], ".");
  } else {
    EXPECT_EQ(keys[2].back(), forms[5]);
  }
}

TEST(MyInputSetProvider, EveryFontOnPhoneAndPad) {
  for (bool pad : {false, true}) {
    usePad(pad);
    for (const auto& c : fontCases) {
      SCOPED_TRACE(testing::Message() << "font " << c.font << (pad ? " pad" : " phone"));
      KeyboardSelection::setFontIndex(c.font);
      const auto rows = MyInputSetProvider().alphabeticInputSet().rows;
      expectRows(rows, c, KeyboardCase::lowercased, pad);
      expectRows(rows, c, KeyboardCase::uppercased, pad);
      for (const auto& row : rows) {
        for (const auto& item : row) EXPECT_EQ(item.neutral, item.lowercased);
      }
    }
  }
}

TEST(MyInputSetProvider, FrakturFirstRowKeepsLetterlikeCapitals) {
  KeyboardSelection::setFontIndex(1);
  const auto keys =
      keyloom::characters(MyInputSetProvider().alphabeticInputSet().rows[0], KeyboardCase::uppercased);
  const std::vector<std::string> expected{"\U0001D514", "\U0001D51A", "\U0001D508", "\u211C",
                                          "\U0001D517", "\U0001D51C", "\U0001D518", "\u2111",
                                          "\U0001D512", "\U0001D513"};
  EXPECT_EQ(keys, expected);
}

TEST(MyInputSetProvider, CombiningMarksStayInStoredOrder) {
  KeyboardSelection::setFontIndex(12);
  const auto a = MyInputSetProvider().alphabeticInputSet().rows[1][0];
  EXPECT_EQ(platform::text::toScalars(a.lowercased), (std::u32string{U'a', 0x033D, 0x0353}));
}

TEST(MyInputSetProvider, TableHasEightStringsPerFontWithPlainPunctuation) {
  const auto& table = MyInputSetProvider::standardFontTable();
  ASSERT_EQ(table.size(), 13u);
  for (const auto& rows : table) {
    EXPECT_TRUE(rows[6].ends_with(",.")) << rows[6];
    EXPECT_TRUE(rows[7].ends_with(",.")) << rows[7];
  }
  EXPECT_EQ(table[6][0], table[6][1]);
  EXPECT_EQ(table[8][4], table[8][5]);
}

TEST(MyInputSetProvider, NumbersAndSymbolsAreEnglishWhateverTheFont) {
  const keyloom::EnglishInputSetProvider english(keyloom::AlphabeticInputSet::english(), "$", "£");
  for (int font : {0, 6, 12}) {
    KeyboardSelection::setFontIndex(font);
    MyInputSetProvider provider;
    EXPECT_EQ(provider.numericInputSet(), english.numericInputSet());
    EXPECT_EQ(provider.symbolicInputSet(), english.symbolicInputSet());
  }
}

TEST(MyInputSetProvider, RowsFollowTheSelectionAtEachRead) {
  MyInputSetProvider provider;
  EXPECT_EQ(provider.alphabeticInputSet().rows[0][0].lowercased, "q");
  KeyboardSelection::setFontIndex(6);
  EXPECT_EQ(provider.alphabeticInputSet().rows[0][0].lowercased, "\U0001F180");
}

TEST(MyInputSetProvider, UnknownFontIndexGivesPlainLetters) {
  for (int font : {-1, 13, 1000}) {
    KeyboardSelection::setFontIndex(font);
    EXPECT_EQ(MyInputSetProvider().alphabeticInputSet().rows[0][0].uppercased, "Q") << font;
  }
}

TEST(UnicodeFont, FontBarNamesSpellFontInEachStyle) {
  const std::array<std::string, 13> expected{"Font",
                                             "𝔉𝔬𝔫𝔱",
                                             "𝓕𝓸𝓷𝓽",
                                             "𝔽𝕠𝕟𝕥",
                                             "𝙵𝚘𝚗𝚝",
                                             "Ⓕⓞⓝⓣ",
                                             "🅵🅾🅽🆃",
                                             "𝐅𝐨𝐧𝐭",
                                             "🄵🄾🄽🅃",
                                             "𝙵̷𝚘̷𝚗̷𝚝̷",
                                             "F̶o̶n̶t̶",
                                             "F̾o̾n̾t̾",
                                             "F\u033D\u0353o\u033D\u0353n\u033D\u0353t\u033D\u0353"};
  EXPECT_EQ(unicode_font::fontBarNames(), expected);
}

}  // namespace
}  // namespace zandorelle
