#include "keyloom/appearance/KeyboardColor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "keyloom/appearance/ColorCoding.h"
#include "keyloom/resources/ColorAsset.h"
#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/KeyboardContext.h"
#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using namespace appearance_testing;
using platform::ui::Color;
using platform::ui::Rgba;
using Reader = KeyboardColorReader;

std::shared_ptr<KeyboardContext> contextWithStyle(platform::UserInterfaceStyle style) {
  auto context = std::make_shared<KeyboardContext>();
  context->traitCollection = platform::TraitCollection{style};
  return context;
}

Color asset(std::string_view name) { return ColorAsset::load(keyloomBundle(), name)->color(); }

TEST(ColorCoding, WritesAndReadsComponents) {
  EXPECT_TRUE(encodesAs(Color::rgba(1, 0, 0), R"({"red":1,"green":0,"blue":0,"alpha":1})"));
  EXPECT_EQ(roundTrip(Color::rgba(1, 0, 0)), Color::rgba(1, 0, 0));
  // Not clamped on either side.
  EXPECT_EQ(roundTrip(Color::rgba(1.5, -0.25, 0.125, 0.5)), Color::rgba(1.5, -0.25, 0.125, 0.5));
  EXPECT_EQ(decodeJSON<Color>(R"({"red":0,"green":1,"blue":0,"alpha":1,"name":"x"})"), Color::rgba(0, 1, 0));
  // An adaptive colour is written as the light scheme shows it.
  EXPECT_EQ(roundTrip(Color::adaptive(Color::white(), Color::black())), Color::white());
}

TEST(ColorCoding, MissingOrWrongComponentFails) {
  using Kind = platform::DecodingError::Kind;
  EXPECT_EQ(decodingError<Color>(R"({"red":1,"green":0,"blue":0})").kind(), Kind::keyNotFound);
  EXPECT_EQ(decodingError<Color>(R"({"red":1,"green":0,"blue":"0","alpha":1})").kind(), Kind::typeMismatch);
  EXPECT_EQ(decodingError<Color>(R"([1,0,0,1])").kind(), Kind::typeMismatch);
}

TEST(KeyboardColor, RawValuesAreExactNames) {
  EXPECT_EQ(keyboardColor("standardButtonShadow"), KeyboardColor::standardButtonShadow);
  EXPECT_EQ(keyboardColor("StandardButtonShadow"), std::nullopt);
  EXPECT_EQ(keyboardColor(""), std::nullopt);
  for (std::size_t i = 0; i < keyboardColorNames.size(); ++i) {
    const auto named = static_cast<KeyboardColor>(i);
    EXPECT_EQ(keyboardColor(rawValue(named)), named);
    // Every name has its asset in the library bundle.
    EXPECT_TRUE(ColorAsset::load(keyloomBundle(), rawValue(named)).has_value()) << rawValue(named);
  }
}

TEST(KeyboardColor, ChoosersPickTheVariantForTheScheme) {
  struct Row {
    Color (*chooser)(const KeyboardContext&);
    const char* light;
    const char* dark;
  };
  const Row rows[] = {
      {&Reader::standardButtonBackground, "standardButtonBackground", "standardButtonBackgroundForColorSchemeBug"},
      {&Reader::standardButtonForeground, "standardButtonForeground", "standardButtonForegroundForDarkAppearance"},
      {&Reader::standardButtonShadow, "standardButtonShadow", "standardButtonShadow"},
      {&Reader::standardDarkButtonBackground, "standardDarkButtonBackground",
       "standardDarkButtonBackgroundForColorSchemeBug"},
      {&Reader::standardDarkButtonForeground, "standardButtonForeground",
       "standardButtonForegroundForDarkAppearance"},
  };
  const auto light = contextWithStyle(platform::UserInterfaceStyle::light);
  const auto unspecified = contextWithStyle(platform::UserInterfaceStyle::unspecified);
  const auto dark = contextWithStyle(platform::UserInterfaceStyle::dark);
  for (const auto& row : rows) {
    EXPECT_EQ(row.chooser(*light), asset(row.light)) << row.light;
    EXPECT_EQ(row.chooser(*unspecified), asset(row.light)) << row.light;
    EXPECT_EQ(row.chooser(*dark), asset(row.dark)) << row.dark;
  }
}

TEST(KeyboardColor, ClearInteractableIsNearlyTransparentWhite) {
  EXPECT_EQ(Reader::clearInteractable().resolved(platform::ui::ColorScheme::light), (Rgba{1, 1, 1, 0.001}));
}

TEST(KeyboardColor, AssigningTheBundleRedirectsLookups) {
  const auto dir = std::filesystem::temp_directory_path() / ("keyloom-appearance-colors-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "standardButtonShadow.color")
      << R"({"light":{"red":0.25,"green":0.5,"blue":0.75,"alpha":1}})";
  const Color before = Reader::standardButtonShadow();
  keyboardColorBundle() = platform::Bundle(dir);
  EXPECT_EQ(Reader::standardButtonShadow(), Color::rgba(0.25, 0.5, 0.75));
  EXPECT_NE(Reader::standardButtonShadow(), before);
  // A name the bundle has no asset for gives clear.
  EXPECT_EQ(Reader::standardButtonBackground(), Color::clear());
  std::filesystem::remove_all(dir);
}

TEST(KeyboardColor, RandomColoursStayInTheirRange) {
  for (int i = 0; i < 20; ++i) {
    const auto rgba = randomColor(0.25, 0.5, false).resolved(platform::ui::ColorScheme::light);
    for (double v : {rgba.red, rgba.green, rgba.blue}) {
      EXPECT_GE(v, 0.25);
      EXPECT_LE(v, 0.5);
    }
    EXPECT_EQ(rgba.alpha, 1);
  }
}

TEST(KeyboardColor, CharsAreGraphemeClusters) {
  EXPECT_EQ(chars("e\u0301x"), (std::vector<std::string>{"e\u0301", "x"}));
  EXPECT_TRUE(chars("").empty());
}

}  // namespace
}  // namespace keyloom
