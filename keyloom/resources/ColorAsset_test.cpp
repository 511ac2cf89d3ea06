#include "keyloom/resources/ColorAsset.h"

#include <gtest/gtest.h>

#include <string>

#include "keyloom/resources/KeyloomBundle.h"
#include "platform/coding/DecodingError.h"

namespace keyloom {
namespace {

using platform::ui::ColorScheme;
using platform::ui::Rgba;

TEST(ColorAsset, ReadsTheLightAndTheOptionalDarkVariant) {
  const ColorAsset asset = ColorAsset::parse(R"({"light": {"red": 1, "green": 0.5, "blue": 0, "alpha": 1},
      "dark": {"alpha": 0.25, "red": 0, "green": 0, "blue": 0.2}, "comment": "ignored"})");
  EXPECT_EQ(asset.light, (Rgba{1, 0.5, 0, 1}));
  EXPECT_EQ(asset.dark, (Rgba{0, 0, 0.2, 0.25}));
  EXPECT_EQ(asset.color().resolved(ColorScheme::light), (Rgba{1, 0.5, 0, 1}));
  EXPECT_EQ(asset.color().resolved(ColorScheme::dark), (Rgba{0, 0, 0.2, 0.25}));

  const ColorAsset lightOnly = ColorAsset::parse(R"({"light": {"red": 0, "green": 0, "blue": 0, "alpha": 1}})");
  EXPECT_EQ(lightOnly.dark, std::nullopt);
  EXPECT_FALSE(lightOnly.color().isAdaptive());
}

TEST(ColorAsset, BadTextIsAClearError) {
  const std::string invalid[] = {
      "",
      "not json",
      "[]",
      R"({"dark": {"red": 0, "green": 0, "blue": 0, "alpha": 1}})",
      R"({"light": {"red": 0, "green": 0, "blue": 0}})",
      R"({"light": {"red": "0", "green": 0, "blue": 0, "alpha": 1}})",
      R"({"light": {"red": 1.5, "green": 0, "blue": 0, "alpha": 1}})",
      R"({"light": {"red": -0.1, "green": 0, "blue": 0, "alpha": 1}})",
      R"({"light": {"red": 1e400, "green": 0, "blue": 0, "alpha": 1}})",
      R"({"light": {"red": 0, "green": 0, "blue": 0, "alpha": 1}, "dark": 3})",
  };
  for (const std::string& text : invalid) {
    EXPECT_THROW(ColorAsset::parse(text), platform::DecodingError) << text;
  }
}

TEST(ColorAsset, TheLibraryBundleHasEveryNamedColour) {
  const char* names[] = {"standardButtonBackground",
                         "standardButtonBackgroundForColorSchemeBug",
                         "standardButtonBackgroundForDarkAppearance",
                         "standardButtonForeground",
                         "standardButtonForegroundForDarkAppearance",
                         "standardButtonShadow",
                         "standardDarkButtonBackground",
                         "standardDarkButtonBackgroundForColorSchemeBug",
                         "standardDarkButtonBackgroundForDarkAppearance",
                         "standardKeyboardBackground",
                         "standardKeyboardBackgroundForDarkAppearance"};
  for (const char* name : names) {
    const std::optional<ColorAsset> asset = ColorAsset::load(keyloomBundle(), name);
    ASSERT_TRUE(asset) << name;
    EXPECT_TRUE(asset->dark) << name;
  }
  // Keys read well: dark text on light keys, light text on dark keys.
  const ColorAsset foreground = *ColorAsset::load(keyloomBundle(), "standardButtonForeground");
  EXPECT_EQ(foreground.light, (Rgba{0, 0, 0, 1}));
  EXPECT_EQ(foreground.dark, (Rgba{1, 1, 1, 1}));
  EXPECT_EQ(ColorAsset::load(keyloomBundle(), "noSuchColour"), std::nullopt);
  EXPECT_EQ(ColorAsset::load(keyloomBundle(), "../standardButtonShadow"), std::nullopt);
}

}  // namespace
}  // namespace keyloom
