#include "keyboard-extension/ThemePalette.h"

#include <gtest/gtest.h>

#include "platform/foundation/UserDefaults.h"

namespace zandorelle {
namespace {

using platform::ui::Color;

Color rgba255(double red, double green, double blue, double alpha = 255) {
  return Color::rgba(red / 255, green / 255, blue / 255, alpha / 255);
}

TEST(ThemePalette, TableHasSeventeenThemesOfSevenHexColours) {
  ASSERT_EQ(themeTable().size(), 17u);
  for (const auto& theme : themeTable()) {
    for (const auto& colour : theme) {
      ASSERT_EQ(colour.size(), 7u) << colour;
      EXPECT_EQ(colour[0], '#');
      EXPECT_EQ(colour.find_first_not_of("0123456789ABCDEF", 1), std::string::npos) << colour;
    }
  }
}

TEST(ThemePalette, ThemeColoursAreTheHexColoursRead) {
  for (const auto& theme : themeTable()) {
    for (std::size_t slot = 0; slot < theme.size(); ++slot) {
      EXPECT_EQ(themeColor(theme, slot), colorFromHex(theme[slot])) << theme[slot];
    }
  }
  const Theme notInTheTable{"#010203", "", "", "", "", "", "#FFFFFF"};
  EXPECT_EQ(themeColor(notInTheTable, 0), rgba255(1, 2, 3));
  EXPECT_EQ(themeColor(notInTheTable, 6), rgba255(255, 255, 255));
}

TEST(ThemePalette, ThemeAtHasNoThemeOutsideTheTable) {
  EXPECT_EQ(themeAt(-1), nullptr);
  EXPECT_EQ(themeAt(-2), nullptr);
  EXPECT_EQ(themeAt(17), nullptr);
  ASSERT_NE(themeAt(16), nullptr);
  EXPECT_EQ((*themeAt(16))[6], "#17191F");
}

TEST(ColorFromHex, ReadsEachLength) {
  struct Case {
    const char* hex;
    Color expected;
  };
  const Case cases[] = {
      {"#EC8321", rgba255(236, 131, 33)},
      {"FFF", rgba255(255, 255, 255)},
      {"#abc", rgba255(0xAA, 0xBB, 0xCC)},
      {"80FF0000", rgba255(255, 0, 0, 128)},
      {"  #C760F5;", rgba255(0xC7, 0x60, 0xF5)},
      // Inner characters stay and count toward the length, but stop the scan.
      {"#12 34 56", rgba255(0, 0, 0x12, 0)},
      // Six characters that are not hex digits scan as nothing.
      {"zzzzzz", rgba255(0, 0, 0)},
      // The scanner takes a "0x" prefix; the length still counts it.
      {"0xFF0000", rgba255(255, 0, 0, 0)},
      {"12", rgba255(1, 1, 0, 1)},
      // Ends are stripped by Unicode's categories: an accented letter stays
      // (precomposed or decomposed) and makes the length 7; other symbols go.
      {"FFFFFF\u00e9", rgba255(1, 1, 0, 1)},
      {"FFFFFFe\u0301", rgba255(1, 1, 0, 1)},
      {"\u00e9FFF", rgba255(1, 1, 0, 1)},
      {"\u2014#FFFFFF\u00a0\u2022", rgba255(255, 255, 255)},
      {"\u300cFFF\u300d", rgba255(255, 255, 255)},
      {"", rgba255(1, 1, 0, 1)},
      {"#", rgba255(1, 1, 0, 1)},
      {"FFFFFFFFFFFFFFFFFFFF", rgba255(1, 1, 0, 1)},
  };
  for (const auto& c : cases) EXPECT_EQ(colorFromHex(c.hex), c.expected) << c.hex;
}

TEST(ThemePalette, ThemeIndexFromStoreTrustsOnlyNoThemeAndTheTable) {
  auto store = platform::UserDefaults::suite("group.test.themes");
  ASSERT_TRUE(store);
  EXPECT_EQ(themeIndexFromStore(*store), 0);  // nothing written yet
  struct Case {
    platform::UserDefaultsValue stored;
    int expected;
  };
  const Case cases[] = {
      {3, 3},   {16, 16},         {0, 0},    {-1, -1},  {17, -1},  {-2, -1},
      {1LL << 40, -1}, {-(1LL << 40), -1}, {"3", -1}, {2.0, -1}, {true, -1},
      {platform::UserDefaultsValue::Array{3}, -1},
  };
  for (const auto& c : cases) {
    store->set(std::string(themeIndexKey), c.stored);
    EXPECT_EQ(themeIndexFromStore(*store), c.expected);
  }
}

TEST(ThemePalette, StoredThemeIndexReadsBack) {
  auto store = platform::UserDefaults::suite("group.test.themes");
  ASSERT_TRUE(store);
  for (int index : {-1, 0, 7, 16}) {
    storeThemeIndex(*store, index);
    EXPECT_EQ(store->integer(std::string(themeIndexKey)), index);
    EXPECT_EQ(themeIndexFromStore(*store), index);
  }
}

}  // namespace
}  // namespace zandorelle
