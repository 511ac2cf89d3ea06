#include "platform/ui/Color.h"

#include <gtest/gtest.h>

#include "platform/ui/Font.h"

namespace platform::ui {
namespace {

TEST(Color, OpacityMultipliesAlphaAndKeepsTheName) {
  Color faint = Color::white().opacity(0.001);
  EXPECT_EQ(faint.resolved(ColorScheme::light), (Rgba{1, 1, 1, 0.001}));
  EXPECT_EQ(faint.description(), "white.opacity(0.001)");
  EXPECT_EQ(faint, Color::rgba(1, 1, 1, 0.001)) << "names do not take part in equality";
  EXPECT_EQ(Color::clear(), Color());
  EXPECT_EQ(Color::rgba(0.25, 0.5, 1).description(), "rgba(0.25, 0.5, 1, 1)");
}

TEST(Color, AdaptiveColorsResolveByScheme) {
  Color secondary = Color::secondary().opacity(0.5);
  EXPECT_EQ(secondary.resolved(ColorScheme::light).alpha, 0.3);
  EXPECT_EQ(Color::primary().resolved(ColorScheme::light), (Rgba{0, 0, 0, 1}));
  EXPECT_EQ(Color::primary().resolved(ColorScheme::dark), (Rgba{1, 1, 1, 1}));
  Color asset = Color::adaptive(Color::white(), Color::black());
  EXPECT_TRUE(asset.isAdaptive());
  EXPECT_EQ(asset.resolved(ColorScheme::dark), (Rgba{0, 0, 0, 1}));
  EXPECT_NE(asset, Color::white());
}

TEST(Color, ContrastRunsFromOneForTheSameLuminanceToTwentyOneForBlackOnWhite) {
  const Rgba black{0, 0, 0, 1};
  const Rgba white{1, 1, 1, 1};
  EXPECT_DOUBLE_EQ(contrastRatio(black, white), 21);
  EXPECT_DOUBLE_EQ(contrastRatio(white, black), 21);
  EXPECT_DOUBLE_EQ(contrastRatio(white, Rgba{1, 1, 1, 0.2}), 1) << "alpha is not seen";
  // Mid grey (#777777) on white is just under 4.5:1.
  EXPECT_NEAR(contrastRatio(Rgba{0x77 / 255.0, 0x77 / 255.0, 0x77 / 255.0, 1}, white), 4.48, 0.01);
  EXPECT_NEAR(relativeLuminance(Rgba{0, 1, 0, 1}), 0.7152, 1e-9) << "green weighs most";
}

TEST(Font, StructuralValuesWithTextStyleSizesAndWeights) {
  EXPECT_EQ(Font::body().pointSize(), 17);
  EXPECT_EQ(Font::caption2().pointSize(), 11);
  EXPECT_EQ(Font::headline().effectiveWeight(), FontWeight::semibold);
  EXPECT_EQ(Font::footnote().weight(FontWeight::semibold).description(), "footnote(weight: semibold)");
  EXPECT_EQ(Font::system(35).bold(), Font::system(35, FontWeight::bold));
  EXPECT_NE(Font::custom("Menlo", 12), Font::customFixed("Menlo", 12));
  EXPECT_EQ(Font::custom("Menlo", 12).description(), "custom(Menlo, 12)");
  EXPECT_EQ(Font::system(18, std::nullopt, FontDesign::rounded).description(),
            "system(18, design: rounded)");
}

}  // namespace
}  // namespace platform::ui
