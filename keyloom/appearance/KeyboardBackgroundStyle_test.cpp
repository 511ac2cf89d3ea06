#include "keyloom/appearance/KeyboardBackgroundStyle.h"

#include <gtest/gtest.h>

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/appearance/ImageDataCoding.h"
#include "platform/ui/ViewDefinition.h"
#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
namespace ui = platform::ui;
using ui::Color;
using Kind = platform::DecodingError::Kind;

// What a layer view is: "color", "gradient", "image" or "other".
std::string layerKind(const ui::View& view) {
  const auto& content = view.definition().content;
  if (std::holds_alternative<ui::ColorContent>(content)) return "color";
  if (std::holds_alternative<ui::LinearGradientContent>(content)) return "gradient";
  if (std::holds_alternative<ui::ImageContent>(content)) return "image";
  return "other";
}

std::vector<std::string> layers(const KeyboardBackgroundStyle& style) {
  const auto view = style.backgroundView();
  EXPECT_TRUE(std::holds_alternative<ui::ZStackContent>(view.definition().content));
  std::vector<std::string> kinds;
  for (const auto& child : view.definition().children) kinds.push_back(layerKind(child));
  return kinds;
}

// The colour a view fills with, when it is a colour.
std::optional<Color> fillColor(const ui::View& view) {
  const auto* color = std::get_if<ui::ColorContent>(&view.definition().content);
  return color ? std::optional<Color>(color->color) : std::nullopt;
}

const std::vector<std::uint8_t> notAnImage = {1, 2, 3, 4, 5};

TEST(KeyboardBackgroundStyle, StandardDrawsNothing) {
  EXPECT_TRUE(layers(KeyboardBackgroundStyle::standard()).empty());
  EXPECT_EQ(KeyboardBackgroundStyle::standard(), KeyboardBackgroundStyle());
}

TEST(KeyboardBackgroundStyle, LayersAreDrawnBackToFront) {
  const KeyboardBackgroundStyle style(Color::red(), std::vector{Color::white(), Color::black()}, notAnImage,
                                      Color::blue(), std::vector{Color::green(), Color::clear()});
  EXPECT_EQ(layers(style), (std::vector<std::string>{"color", "gradient", "image", "gradient", "color"}));
  const auto view = style.backgroundView();
  EXPECT_EQ(fillColor(view.definition().children.front()), Color::red());
  EXPECT_EQ(fillColor(view.definition().children.back()), Color::blue());
  const auto& gradient = std::get<ui::LinearGradientContent>(view.definition().children[1].definition().content);
  EXPECT_EQ(gradient.colors, (std::vector{Color::white(), Color::black()}));
  EXPECT_EQ(gradient.startPoint, ui::UnitPoint::top());
  EXPECT_EQ(gradient.endPoint, ui::UnitPoint::bottom());
  // Bytes that are no image draw an empty image and do not fail.
  EXPECT_TRUE(std::get<ui::ImageContent>(view.definition().children[2].definition().content).image.isEmpty());
}

TEST(KeyboardBackgroundStyle, LegacyTypeHidesTheLayers) {
  KeyboardBackgroundStyle colour(KeyboardBackgroundType::color(Color::red()));
  colour.overlayColor = Color::blue();
  EXPECT_EQ(fillColor(colour.backgroundView()), Color::red());

  KeyboardBackgroundStyle clear(KeyboardBackgroundType::clear());
  clear.backgroundColor = Color::red();
  EXPECT_EQ(fillColor(clear.backgroundView()), Color::clear());

  // A type given only as backgroundType is not drawn.
  EXPECT_TRUE(layers(KeyboardBackgroundStyle::withType(KeyboardBackgroundType::color(Color::red()))).empty());
  EXPECT_NE(KeyboardBackgroundStyle::withType(KeyboardBackgroundType::clear()), KeyboardBackgroundStyle());
}

TEST(KeyboardBackgroundType, CodedForms) {
  EXPECT_TRUE(encodesAs(KeyboardBackgroundType::none(), R"({"none":{}})"));
  EXPECT_TRUE(encodesAs(KeyboardBackgroundType::image({0, 1, 2}), R"({"image":{"_0":"AAEC"}})"));
  const KeyboardBackgroundType types[] = {
      KeyboardBackgroundType::none(), KeyboardBackgroundType::clear(), KeyboardBackgroundType::color(Color::red()),
      KeyboardBackgroundType::image(notAnImage), KeyboardBackgroundType::image({}),
      KeyboardBackgroundType::verticalGradient({Color::red(), Color::rgba(0, 0, 0, 0.5)})};
  for (const auto& type : types) EXPECT_EQ(roundTrip(type), type) << type.caseName();
  EXPECT_EQ(decodeJSON<KeyboardBackgroundType>(R"({"clear":{},"other":1})"), KeyboardBackgroundType::clear());
}

TEST(KeyboardBackgroundType, BadInputFails) {
  for (const char* json : {"{}", R"({"none":{},"clear":{}})", R"({"nothing":{}})"}) {
    const auto error = decodingError<KeyboardBackgroundType>(json);
    EXPECT_EQ(error.kind(), Kind::typeMismatch) << json;
    EXPECT_EQ(std::string(error.what()), "Invalid number of keys found, expected one.") << json;
  }
  EXPECT_EQ(decodingError<KeyboardBackgroundType>(R"({"color":{}})").kind(), Kind::keyNotFound);
  EXPECT_EQ(decodingError<KeyboardBackgroundType>(R"({"none":[]})").kind(), Kind::typeMismatch);
  EXPECT_EQ(decodingError<KeyboardBackgroundType>(R"({"image":{"_0":"A"}})").kind(), Kind::dataCorrupted);
  EXPECT_EQ(decodingError<KeyboardBackgroundType>(R"({"image":{"_0":"AA=A"}})").kind(), Kind::dataCorrupted);
  EXPECT_EQ(decodingError<KeyboardBackgroundType>(R"({"verticalGradient":{"_0":[{"red":1}]}})").kind(),
            Kind::keyNotFound);
}

TEST(KeyboardBackgroundStyle, CodedForm) {
  EXPECT_TRUE(encodesAs(KeyboardBackgroundStyle(), R"({"legacyBackgroundType":{"none":{}},"backgroundType":{"none":{}}})"));
  EXPECT_EQ(roundTrip(KeyboardBackgroundStyle()), KeyboardBackgroundStyle());
  const KeyboardBackgroundStyle full(Color::red(), std::vector{Color::white()}, notAnImage, Color::blue(),
                                     std::vector<Color>{});
  EXPECT_EQ(roundTrip(full), full);
  const KeyboardBackgroundStyle legacy(KeyboardBackgroundType::verticalGradient({Color::red()}));
  EXPECT_EQ(roundTrip(legacy), legacy);
  EXPECT_EQ(decodingError<KeyboardBackgroundStyle>(R"({"legacyBackgroundType":{"none":{}}})").kind(),
            Kind::keyNotFound);
  EXPECT_EQ(decodingError<KeyboardBackgroundStyle>(
                R"({"legacyBackgroundType":{"none":{}},"backgroundType":{"none":{}},"overlayColor":3})")
                .kind(),
            Kind::typeMismatch);
}

TEST(ImageDataCoding, Base64) {
  const std::vector<std::uint8_t> bytes = {0xff, 0x00, 0x10, 0x80};
  EXPECT_EQ(base64Encoded(bytes), "/wAQgA==");
  EXPECT_EQ(base64Decoded("/wAQgA=="), bytes);
  EXPECT_EQ(base64Decoded(""), std::vector<std::uint8_t>{});
  for (const char* bad : {"/wAQgA=", "/wA=gA==", "/wAQ=A==", "/w*Q", "===="}) {
    EXPECT_EQ(base64Decoded(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace keyloom
