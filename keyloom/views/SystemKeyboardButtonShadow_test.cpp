#include "keyloom/views/SystemKeyboardButtonShadow.h"

#include <gtest/gtest.h>

#include "keyloom/appearance/ColorCoding.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"
#include "testing/AppearanceTesting.h"

namespace keyloom {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::ui::Color;
using platform::ui::NodeKind;
using platform::ui::Path;
using platform::ui::ShapeContent;
using platform::ui::View;
using platform::ui::ViewHost;

KeyboardButtonStyle shadowStyle(std::optional<Color> color, std::optional<double> size,
                                std::optional<double> radius) {
  KeyboardButtonStyle style;
  style.setCornerRadius(radius);
  if (color && size) style.setShadow(KeyboardButtonShadowStyle{*color, *size});
  return style;
}

TEST(SystemKeyboardButtonShadowTest, DerivedValuesNeedBothHalvesOfTheShadow) {
  SystemKeyboardButtonShadow full(shadowStyle(Color::red(), 2, 6));
  EXPECT_EQ(full.shadowColor(), Color::red());
  EXPECT_EQ(full.shadowSize(), 2);
  EXPECT_EQ(full.shadowCornerRadius(), 6);

  SystemKeyboardButtonShadow none(shadowStyle(std::nullopt, std::nullopt, std::nullopt));
  EXPECT_EQ(none.shadowColor(), Color::clear());
  EXPECT_EQ(none.shadowSize(), 0);
  EXPECT_EQ(none.shadowCornerRadius(), 0);
}

TEST(SystemKeyboardButtonShadowTest, AHalfShadowDrawsNothingAndDoesNotMove) {
  // Decoded styles keep half pairs as they are.
  using appearance_testing::decodeJSON;
  const auto sizeOnly = decodeJSON<KeyboardButtonStyle>(R"({"shadowSize":3})");
  const auto colorOnly =
      decodeJSON<KeyboardButtonStyle>(R"({"shadowColor":{"red":1,"green":0,"blue":0,"alpha":1}})");
  ASSERT_FALSE(sizeOnly.shadowColor());
  ASSERT_FALSE(colorOnly.shadowSize());
  for (const auto& style : {sizeOnly, colorOnly}) {
    SystemKeyboardButtonShadow shadow(style);
    EXPECT_EQ(shadow.shadowColor(), Color::clear());
    EXPECT_EQ(shadow.shadowSize(), 0);
  }
}

TEST(SystemKeyboardButtonShadowTest, MaskIsTheGrownRectangleAroundTheKeyShape) {
  const auto path = SystemKeyboardButtonShadow::maskPath(Rect(0, 0, 40, 50), 2, 6);
  Path expected;
  expected.addRect(Rect(-2, -2, 44, 54));
  expected.addPath(platform::ui::RoundedRectangle(6).path(Rect(0, 0, 40, 50)));
  EXPECT_EQ(path, expected);
}

TEST(SystemKeyboardButtonShadowTest, BodyIsTheKeyShapeMovedDownAndMaskedEvenOdd) {
  ViewHost host(View(SystemKeyboardButtonShadow(shadowStyle(Color::red(), 2, 6))).frame(40, 50));
  host.layout(Size{100, 100});
  auto shapes = host.findAll(NodeKind::shape);
  ASSERT_EQ(shapes.size(), 2u);
  auto key = shapes[0];
  auto* rounded = key->content<ShapeContent>()->shape.as<platform::ui::RoundedRectangleShape>();
  ASSERT_NE(rounded, nullptr);
  EXPECT_EQ(rounded->cornerSize(), (Size{6, 6}));
  EXPECT_EQ(rounded->style(), platform::ui::RoundedCornerStyle::continuous);
  EXPECT_EQ(key->resolvedForegroundColor(), Color::red());
  auto* offset = key->modifier<platform::ui::Offset>();
  ASSERT_NE(offset, nullptr);
  EXPECT_EQ(offset->x, 0);
  EXPECT_EQ(offset->y, 2);
  EXPECT_EQ(key->contentFrame.size, (Size{40, 50}));

  auto mask = shapes[1];
  EXPECT_EQ(mask->role(), platform::ui::NodeRole::mask);
  EXPECT_TRUE(mask->content<ShapeContent>()->fillStyle.evenOdd);
  EXPECT_TRUE(mask->content<ShapeContent>()->fillStyle.antialiased);
  EXPECT_EQ(mask->content<ShapeContent>()->shape.path(Rect(0, 0, 40, 50)),
            SystemKeyboardButtonShadow::maskPath(Rect(0, 0, 40, 50), 2, 6));
}

TEST(SystemKeyboardButtonShadowTest, NoCornerRadiusGivesSquareCorners) {
  ViewHost host(View(SystemKeyboardButtonShadow(shadowStyle(Color::red(), 2, std::nullopt))));
  auto* rounded =
      host.findAll(NodeKind::shape).at(0)->content<ShapeContent>()->shape.as<platform::ui::RoundedRectangleShape>();
  ASSERT_NE(rounded, nullptr);
  EXPECT_EQ(rounded->cornerSize(), (Size{0, 0}));
}

}  // namespace
}  // namespace keyloom
