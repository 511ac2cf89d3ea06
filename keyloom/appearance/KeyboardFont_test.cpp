#include "keyloom/appearance/KeyboardFont.h"

#include <gtest/gtest.h>

#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
using platform::DecodingError;
namespace ui = platform::ui;

TEST(KeyboardFont, AbsentWeightIsNotRegular) {
  EXPECT_NE(KeyboardFont::body(), KeyboardFont::body(KeyboardFontWeight::regular));
  EXPECT_NE(KeyboardFont::body().font(), KeyboardFont::body(KeyboardFontWeight::regular).font());
  EXPECT_EQ(KeyboardFont::body(KeyboardFontWeight::regular).font(), ui::Font::body().weight(ui::FontWeight::regular));
  EXPECT_EQ(KeyboardFont::system(20).withWeight(KeyboardFontWeight::bold),
            KeyboardFont::system(20, KeyboardFontWeight::bold));
}

TEST(KeyboardFont, CustomAndFixedDiffer) {
  const auto scaling = KeyboardFont::custom("Menlo", 12);
  const auto fixed = KeyboardFont::customFixed("Menlo", 12);
  EXPECT_NE(scaling, fixed);
  EXPECT_TRUE(encodesAs(scaling, R"({"type":{"custom":{"_0":"Menlo","size":12}}})"));
  EXPECT_TRUE(encodesAs(fixed, R"({"type":{"customFixed":{"_0":"Menlo","size":12}}})"));
  EXPECT_EQ(scaling.font(), ui::Font::custom("Menlo", 12));
  EXPECT_EQ(fixed.font(), ui::Font::customFixed("Menlo", 12));
}

TEST(KeyboardFont, SystemFontIsRegularThenWeighted) {
  EXPECT_EQ(KeyboardFont::system(16).font(), ui::Font::system(16, ui::FontWeight::regular));
  EXPECT_EQ(KeyboardFont::system(16, KeyboardFontWeight::bold).font(),
            ui::Font::system(16, ui::FontWeight::regular).weight(ui::FontWeight::bold));
}

TEST(KeyboardFont, CodedForms) {
  EXPECT_TRUE(encodesAs(KeyboardFont::system(16, KeyboardFontWeight::bold), R"({"type":{"system":{"size":16}},"weight":{"bold":{}}})"));
  EXPECT_TRUE(encodesAs(KeyboardFont::headline(), R"({"type":{"headline":{}}})"));
  EXPECT_EQ(decodeJSON<KeyboardFont>(R"({"type":{"title":{}},"weight":null})"), KeyboardFont::title());
}

TEST(KeyboardFont, EveryTypeAndWeightRoundTrips) {
  const KeyboardFontType types[] = {
      KeyboardFontType::custom("A", 1.5), KeyboardFontType::customFixed("B", 2), KeyboardFontType::system(3),
      KeyboardFontType::body(),   KeyboardFontType::callout(),   KeyboardFontType::caption(),
      KeyboardFontType::caption2(), KeyboardFontType::footnote(), KeyboardFontType::headline(),
      KeyboardFontType::largeTitle(), KeyboardFontType::subheadline(), KeyboardFontType::title(),
      KeyboardFontType::title2(), KeyboardFontType::title3()};
  for (const auto& type : types) {
    EXPECT_EQ(roundTrip(KeyboardFont(type, std::nullopt)), KeyboardFont(type, std::nullopt)) << type.caseName();
    for (std::size_t w = 0; w < keyboardFontWeightNames.size(); ++w) {
      const KeyboardFont font(type, static_cast<KeyboardFontWeight>(w));
      EXPECT_EQ(roundTrip(font), font) << type.caseName() << " " << keyboardFontWeightNames[w];
    }
  }
}

TEST(KeyboardFont, BadInputFails) {
  struct Row {
    const char* json;
    DecodingError::Kind kind;
    const char* description;
  };
  const Row rows[] = {
      {R"({"type":{}})", DecodingError::Kind::typeMismatch, "Invalid number of keys found, expected one."},
      {R"({"type":{"body":{},"title":{}}})", DecodingError::Kind::typeMismatch,
       "Invalid number of keys found, expected one."},
      {R"({"type":{"bold":{}}})", DecodingError::Kind::typeMismatch, "Invalid number of keys found, expected one."},
      {R"({"type":{"body":{}},"weight":{}})", DecodingError::Kind::typeMismatch,
       "Invalid number of keys found, expected one."},
      {R"({"type":{"custom":{"_0":"Menlo"}}})", DecodingError::Kind::keyNotFound, nullptr},
      {R"({"type":{"system":{"size":"big"}}})", DecodingError::Kind::typeMismatch, nullptr},
      {R"({"weight":{"bold":{}}})", DecodingError::Kind::keyNotFound, nullptr},
      {R"({"type":{"body":1}})", DecodingError::Kind::typeMismatch, nullptr},
  };
  for (const auto& row : rows) {
    const auto error = decodingError<KeyboardFont>(row.json);
    EXPECT_EQ(error.kind(), row.kind) << row.json;
    if (row.description) {
      EXPECT_EQ(std::string(error.what()), row.description) << row.json;
    }
  }
}

TEST(KeyboardFontWeight, MapsToAndFromThePlatform) {
  for (std::size_t i = 0; i < keyboardFontWeightNames.size(); ++i) {
    const auto weight = static_cast<KeyboardFontWeight>(i);
    EXPECT_EQ(keyboardWeight(fontWeight(weight)), weight) << keyboardFontWeightNames[i];
    EXPECT_EQ(ui::fontWeightNames[static_cast<std::size_t>(fontWeight(weight))], keyboardFontWeightNames[i]);
  }
}

}  // namespace
}  // namespace keyloom
