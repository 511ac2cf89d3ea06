#include "keyloom/appearance/AutocompleteToolbarStyle.h"

#include <gtest/gtest.h>

#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
using platform::ui::Color;
using Kind = platform::DecodingError::Kind;

AutocompleteToolbarStyle plainStyle(std::optional<double> height) {
  return AutocompleteToolbarStyle(height,
                                  AutocompleteToolbarItemStyle(KeyboardFont::body(), Color::black(),
                                                               KeyboardFont::footnote(), Color::gray()),
                                  AutocompleteToolbarSeparatorStyle(Color::gray(), 2, 20),
                                  AutocompleteToolbarItemBackgroundStyle(Color::white(), 4));
}

TEST(AutocompleteToolbarStyle, HeightIsOptional) {
  const auto json = platform::JSONEncoder().encodeToJSON(plainStyle(std::nullopt));
  EXPECT_EQ(json.size(), 3u);
  EXPECT_FALSE(json.contains("height"));
  EXPECT_EQ(roundTrip(plainStyle(std::nullopt)).height, std::nullopt);
  EXPECT_EQ(platform::JSONEncoder().encodeToJSON(plainStyle(50))["height"], 50);
  EXPECT_EQ(roundTrip(plainStyle(50)), plainStyle(50));
  auto nullHeight = platform::JSONEncoder().encodeToJSON(plainStyle(50));
  nullHeight["height"] = nullptr;
  EXPECT_EQ(decodeJSON<AutocompleteToolbarStyle>(nullHeight.dump()).height, std::nullopt);
}

TEST(AutocompleteToolbarStyle, OtherKeysAreRequired) {
  const auto json = platform::JSONEncoder().encodeToJSON(plainStyle(50));
  for (const char* key : {"autocompleteBackground", "item", "separator"}) {
    auto missing = json;
    missing.erase(key);
    EXPECT_EQ(decodingError<AutocompleteToolbarStyle>(missing.dump()).kind(), Kind::keyNotFound) << key;
  }
  auto nested = json;
  nested["item"].erase("subtitleColor");
  EXPECT_EQ(decodingError<AutocompleteToolbarStyle>(nested.dump()).kind(), Kind::keyNotFound);
  auto wrongType = json;
  wrongType["separator"]["width"] = "1";
  EXPECT_EQ(decodingError<AutocompleteToolbarStyle>(wrongType.dump()).kind(), Kind::typeMismatch);
  auto badFont = json;
  badFont["item"]["titleFont"] = platform::JSONDecoder::parse(R"({"type":{"body":{},"title":{}}})");
  EXPECT_EQ(decodingError<AutocompleteToolbarStyle>(badFont.dump()).kind(), Kind::typeMismatch);
}

TEST(AutocompleteToolbarSeparatorStyle, WidthComesFirstInTheConstructor) {
  const AutocompleteToolbarSeparatorStyle separator(Color::gray(), 2, 20);
  EXPECT_EQ(separator.width, 2);
  EXPECT_EQ(separator.height, 20);
  const auto json = platform::JSONEncoder().encodeToJSON(separator);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"color", "height", "width"}));
  EXPECT_EQ(json["height"], 20);
  EXPECT_EQ(json["width"], 2);
}

TEST(AutocompleteToolbarItemStyle, SubtitleWeightCountsForEquality) {
  auto a = AutocompleteToolbarItemStyle::standard();
  auto b = a;
  b.subtitleFont = KeyboardFont::footnote(KeyboardFontWeight::bold);
  EXPECT_NE(a, b);
}

TEST(AutocompleteToolbarStyle, StandardPresets) {
  const auto& style = AutocompleteToolbarStyle::standard();
  EXPECT_EQ(style.height, 50);
  EXPECT_EQ(style.autocompleteBackground, AutocompleteToolbarItemBackgroundStyle(Color::white().opacity(0.5), 4));
  EXPECT_EQ(style.item.titleFont, KeyboardFont::body());
  EXPECT_EQ(style.item.subtitleFont, KeyboardFont::footnote());
  EXPECT_EQ(style.item.titleColor, Color::primary());
  EXPECT_EQ(style.separator, AutocompleteToolbarSeparatorStyle(Color::secondary().opacity(0.5), 1, 30));
}

TEST(AutocompleteToolbarStyle, ComposedFromThePartsAtFirstRead) {
  AutocompleteToolbarSeparatorStyle::standard() = AutocompleteToolbarSeparatorStyle(Color::red(), 3, 10);
  EXPECT_EQ(AutocompleteToolbarStyle::standard().separator.width, 3);
  AutocompleteToolbarSeparatorStyle::standard() = AutocompleteToolbarSeparatorStyle(Color::blue(), 4, 10);
  EXPECT_EQ(AutocompleteToolbarStyle::standard().separator.width, 3);
}

}  // namespace
}  // namespace keyloom
