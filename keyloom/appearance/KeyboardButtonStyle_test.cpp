#include "keyloom/appearance/KeyboardButtonStyle.h"

#include <gtest/gtest.h>

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
using platform::ui::Color;
using Kind = platform::DecodingError::Kind;

TEST(KeyboardButtonStyle, EmptyStyleEncodesAsEmptyObject) {
  EXPECT_TRUE(encodesAs(KeyboardButtonStyle(), "{}"));
  EXPECT_EQ(decodeJSON<KeyboardButtonStyle>("{}"), KeyboardButtonStyle());
}

TEST(KeyboardButtonStyle, SettingOneHalfFillsTheOther) {
  KeyboardButtonStyle style;
  style.setBorderSize(2);
  EXPECT_EQ(style.border(), KeyboardButtonBorderStyle(Color::black(), 2));

  KeyboardButtonStyle colourOnly;
  colourOnly.setBorderColor(Color::red());
  EXPECT_EQ(colourOnly.borderSize(), 1);

  KeyboardButtonStyle shadow;
  shadow.setShadowSize(3);
  EXPECT_EQ(shadow.shadowColor(), KeyboardColorReader::standardButtonShadow());
  KeyboardButtonStyle shadowColour;
  shadowColour.setShadowColor(Color::blue());
  EXPECT_EQ(shadowColour.shadowSize(), 1);

  // Clearing one half clears only that half.
  style.setBorderColor(std::nullopt);
  EXPECT_EQ(style.borderSize(), 2);
  EXPECT_EQ(style.border(), std::nullopt);
  style.setBorder(std::nullopt);
  EXPECT_EQ(style.borderSize(), std::nullopt);
}

TEST(KeyboardButtonStyle, ConstructorAndDecodingKeepHalfPairs) {
  const auto decoded = decodeJSON<KeyboardButtonStyle>(R"({"borderColor":{"red":1,"green":0,"blue":0,"alpha":1}})");
  EXPECT_EQ(decoded.borderSize(), std::nullopt);
  EXPECT_EQ(decoded.border(), std::nullopt);

  KeyboardButtonStyle base;
  base.setBorder(KeyboardButtonBorderStyle(Color::green(), 4));
  EXPECT_EQ(base.extended(decoded).border(), KeyboardButtonBorderStyle(Color::green(), 4));
  // A half pair on both sides gives no border at all.
  EXPECT_EQ(decoded.extended(decoded).borderColor(), std::nullopt);
}

TEST(KeyboardButtonStyle, ExtendedTakesPresentFieldsAndWholePairs) {
  const KeyboardButtonStyle a(Color::red(), Color::white(), KeyboardFont::body(), 4,
                              KeyboardButtonBorderStyle(Color::black(), 1), KeyboardButtonShadowStyle(Color::gray(), 2),
                              Color::yellow());
  KeyboardButtonStyle b;
  b.setForegroundColor(Color::black());
  b.setShadow(KeyboardButtonShadowStyle(Color::blue(), 5));
  b.setPressedOverlayColor(Color::green());
  const auto merged = a.extended(b);
  EXPECT_EQ(merged.backgroundColor(), Color::red());
  EXPECT_EQ(merged.foregroundColor(), Color::black());
  EXPECT_EQ(merged.font(), KeyboardFont::body());
  EXPECT_EQ(merged.cornerRadius(), 4);
  EXPECT_EQ(merged.border(), KeyboardButtonBorderStyle(Color::black(), 1));
  EXPECT_EQ(merged.shadow(), KeyboardButtonShadowStyle(Color::blue(), 5));
  EXPECT_EQ(merged.pressedOverlayColor(), Color::yellow());
  // Only the other style has an overlay: the result has none.
  EXPECT_EQ(KeyboardButtonStyle().extended(b).pressedOverlayColor(), std::nullopt);
}

TEST(KeyboardButtonStyle, RoundTripsEveryField) {
  const KeyboardButtonStyle full(Color::rgba(0.1, 0.2, 0.3, 0.4), Color::rgba(1, 1, 1), KeyboardFont::system(16),
                                 5.5, KeyboardButtonBorderStyle(Color::rgba(0, 0, 0), 1),
                                 KeyboardButtonShadowStyle(Color::rgba(0, 0, 0, 0.3), 2), Color::rgba(0, 0, 1, 0.2));
  EXPECT_EQ(roundTrip(full), full);
  const auto json = platform::JSONEncoder().encodeToJSON(full);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"backgroundColor", "foregroundColor", "font", "cornerRadius",
                                            "borderColor", "borderSize", "shadowColor", "shadowSize",
                                            "pressedOverlayColor"}));
  KeyboardButtonStyle radiusOnly;
  radiusOnly.setCornerRadius(3);
  EXPECT_TRUE(encodesAs(radiusOnly, R"({"cornerRadius":3})"));
}

TEST(KeyboardButtonStyle, BadInputFails) {
  EXPECT_EQ(decodingError<KeyboardButtonStyle>(R"({"cornerRadius":"5"})").kind(), Kind::typeMismatch);
  EXPECT_EQ(decodingError<KeyboardButtonStyle>(R"({"backgroundColor":{"red":1}})").kind(), Kind::keyNotFound);
  EXPECT_EQ(decodingError<KeyboardButtonStyle>(R"({"font":{"type":{}}})").kind(), Kind::typeMismatch);
  EXPECT_EQ(decodingError<KeyboardButtonBorderStyle>(R"({"color":{"red":1,"green":0,"blue":0,"alpha":1}})").kind(),
            Kind::keyNotFound);
  EXPECT_EQ(decodingError<KeyboardButtonShadowStyle>(R"({"size":1})").kind(), Kind::keyNotFound);
  const KeyboardButtonBorderStyle border(Color::red(), 2);
  EXPECT_EQ(roundTrip(border), border);
}

TEST(KeyboardButtonStyle, Presets) {
  EXPECT_EQ(KeyboardButtonBorderStyle::standard(), KeyboardButtonBorderStyle::noBorder());
  EXPECT_EQ(KeyboardButtonBorderStyle::noBorder(), KeyboardButtonBorderStyle(Color::clear(), 0));
  KeyboardButtonBorderStyle::standard() = KeyboardButtonBorderStyle(Color::red(), 1);
  EXPECT_NE(KeyboardButtonBorderStyle::standard(), KeyboardButtonBorderStyle::noBorder());
  EXPECT_EQ(KeyboardButtonShadowStyle::noShadow(), KeyboardButtonShadowStyle(Color::clear(), 1));
  EXPECT_EQ(KeyboardButtonShadowStyle::standard(),
            KeyboardButtonShadowStyle(KeyboardColorReader::standardButtonShadow(), 1));
}

TEST(KeyboardButtonStyle, PresetsResetBetweenTests) {
  EXPECT_EQ(KeyboardButtonBorderStyle::standard(), KeyboardButtonBorderStyle(Color::clear(), 0));
}

TEST(KeyboardButtonStyle, SpacerCapturesNoBorderAtFirstRead) {
  KeyboardButtonBorderStyle::noBorder() = KeyboardButtonBorderStyle(Color::red(), 7);
  const auto& spacer = KeyboardButtonStyle::spacer();
  KeyboardButtonBorderStyle::noBorder() = KeyboardButtonBorderStyle(Color::blue(), 1);
  EXPECT_EQ(spacer.border(), KeyboardButtonBorderStyle(Color::red(), 7));
  EXPECT_EQ(spacer.shadow(), KeyboardButtonShadowStyle(Color::clear(), 1));
  EXPECT_EQ(spacer.cornerRadius(), 0);
  EXPECT_EQ(spacer.font(), KeyboardFont::body());
  EXPECT_EQ(spacer.pressedOverlayColor(), std::nullopt);
}

}  // namespace
}  // namespace keyloom
