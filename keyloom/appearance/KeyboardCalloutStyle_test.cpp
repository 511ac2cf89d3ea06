#include "keyloom/appearance/KeyboardCalloutStyle.h"

#include <gtest/gtest.h>

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/appearance/KeyboardInputCalloutStyle.h"
#include "platform/input/Device.h"
#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
using platform::Size;
using platform::ui::Color;
using Kind = platform::DecodingError::Kind;

KeyboardActionCalloutStyle actionStyle(std::optional<double> offset) {
  return KeyboardActionCalloutStyle(KeyboardCalloutStyle::standard(), KeyboardFont::body(), Size{40, 40},
                                    std::nullopt, std::nullopt, offset, 4);
}

TEST(KeyboardActionCalloutStyle, SubstitutesFollowTheDevice) {
  EXPECT_EQ(actionStyle(std::nullopt).verticalOffset, 0);
  EXPECT_EQ(actionStyle(std::nullopt).selectedBackgroundColor, Color::blue());
  EXPECT_EQ(actionStyle(std::nullopt).selectedForegroundColor, Color::white());
  platform::Device::current().setUserInterfaceIdiom(platform::UserInterfaceIdiom::pad);
  EXPECT_EQ(actionStyle(std::nullopt).verticalOffset, 20);
  EXPECT_EQ(actionStyle(0.0).verticalOffset, 0);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard().verticalOffset, 20);
}

TEST(KeyboardActionCalloutStyle, TheStandardPresetTakesTheOffsetOfTheKeyboardsDevice) {
  // Settled on a phone, then drawn by keyboards of either kind.
  EXPECT_EQ(KeyboardActionCalloutStyle::standard().verticalOffset, 0);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard(DeviceType::pad).verticalOffset, 20);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard(DeviceType::phone).verticalOffset, 0);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard(DeviceType::pad).font, KeyboardFont::title3());
  // An offset the app assigned holds on every device.
  KeyboardActionCalloutStyle::standard().verticalOffset = 8;
  EXPECT_EQ(KeyboardActionCalloutStyle::standard(DeviceType::pad).verticalOffset, 8);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard(DeviceType::phone).verticalOffset, 8);
}

TEST(KeyboardCalloutStyle, StandardPresets) {
  const auto& callout = KeyboardCalloutStyle::standard();
  EXPECT_EQ(callout.backgroundColor, KeyboardColorReader::standardButtonBackground());
  EXPECT_EQ(callout.borderColor, Color::black().opacity(0.5));
  EXPECT_EQ(callout.buttonCornerRadius, 5);
  EXPECT_EQ(callout.curveSize, (Size{8, 15}));
  EXPECT_EQ(callout.textColor, Color::primary());
  const auto& action = KeyboardActionCalloutStyle::standard();
  EXPECT_EQ(action.callout, callout);
  EXPECT_EQ(action.font, KeyboardFont::title3());
  EXPECT_EQ(action.maxButtonSize, (Size{50, 50}));
  EXPECT_EQ(action.verticalOffset, 0);
  EXPECT_EQ(action.verticalTextPadding, 6);
  const auto& input = KeyboardInputCalloutStyle::standard();
  EXPECT_EQ(input.callout, callout);
  EXPECT_EQ(input.calloutPadding, 2);
  EXPECT_EQ(input.calloutSize, (Size{0, 55}));
  EXPECT_EQ(input.font, KeyboardFont::largeTitle(KeyboardFontWeight::light));
}

TEST(KeyboardCalloutStyle, WrappersCopyTheCalloutAtTheirFirstRead) {
  KeyboardCalloutStyle::standard().cornerRadius = 3;
  EXPECT_EQ(KeyboardInputCalloutStyle::standard().callout.cornerRadius, 3);
  KeyboardCalloutStyle::standard().cornerRadius = 4;
  EXPECT_EQ(KeyboardInputCalloutStyle::standard().callout.cornerRadius, 3);
  EXPECT_EQ(KeyboardActionCalloutStyle::standard().callout.cornerRadius, 4);
}

TEST(KeyboardInputCalloutStyle, FontWeightCountsForEquality) {
  auto a = KeyboardInputCalloutStyle::standard();
  auto b = a;
  a.font = KeyboardFont::body();
  b.font = KeyboardFont::body(KeyboardFontWeight::regular);
  EXPECT_NE(a, b);
}

TEST(KeyboardCalloutStyle, RoundTripsAndRequiresEveryKey) {
  const auto callout = KeyboardCalloutStyle::previewStyle();
  EXPECT_EQ(roundTrip(callout), callout);
  // Plain colours come back equal; adaptive ones (the standard presets') come
  // back as their light-scheme components.
  KeyboardCalloutStyle::standard() = callout;
  EXPECT_EQ(roundTrip(KeyboardActionCalloutStyle::standard()), KeyboardActionCalloutStyle::standard());
  EXPECT_EQ(roundTrip(KeyboardInputCalloutStyle::standard()), KeyboardInputCalloutStyle::standard());

  auto json = platform::JSONEncoder().encodeToJSON(callout);
  EXPECT_EQ(json["curveSize"], platform::JSONDecoder::parse("[8, 15]"));
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"backgroundColor", "borderColor", "buttonCornerRadius", "buttonInset",
                                            "cornerRadius", "curveSize", "shadowColor", "shadowRadius",
                                            "textColor"}));
  for (const auto& key : keys) {
    auto missing = json;
    missing.erase(key);
    EXPECT_EQ(decodingError<KeyboardCalloutStyle>(missing.dump()).kind(), Kind::keyNotFound) << key;
  }
  auto shortSize = json;
  shortSize["buttonInset"] = platform::JSONDecoder::parse("[1]");
  EXPECT_EQ(decodingError<KeyboardCalloutStyle>(shortSize.dump()).kind(), Kind::valueNotFound);

  auto action = platform::JSONEncoder().encodeToJSON(KeyboardActionCalloutStyle::standard());
  for (const char* key : {"verticalOffset", "selectedBackgroundColor", "selectedForegroundColor"}) {
    auto missing = action;
    missing.erase(key);
    EXPECT_EQ(decodingError<KeyboardActionCalloutStyle>(missing.dump()).kind(), Kind::keyNotFound) << key;
  }
  auto badNested = action;
  badNested["callout"].erase("shadowRadius");
  EXPECT_EQ(decodingError<KeyboardActionCalloutStyle>(badNested.dump()).kind(), Kind::keyNotFound);
  auto input = platform::JSONEncoder().encodeToJSON(KeyboardInputCalloutStyle::standard());
  input["font"] = platform::JSONDecoder::parse(R"({"type":{}})");
  EXPECT_EQ(decodingError<KeyboardInputCalloutStyle>(input.dump()).kind(), Kind::typeMismatch);
}

}  // namespace
}  // namespace keyloom
